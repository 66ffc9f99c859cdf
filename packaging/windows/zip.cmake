# Windows: a folder to unzip anywhere and start from there, no installer and
# nothing written outside it. The programs and every DLL they load at its
# top, the print module in quorvel/, Qt's plugins and translations beside
# them (qt.conf), and the licences; `cpack` zips it as
# quorvel-VERSION-windows-x86_64.zip (./dev windows). Included before
# GNUInstallDirs, whose places it sets.
set(CMAKE_INSTALL_BINDIR . CACHE PATH "")
set(CMAKE_INSTALL_LIBDIR . CACHE PATH "")
set(CMAKE_INSTALL_DOCDIR . CACHE PATH "")

install(FILES LICENSE docs/sample.csv DESTINATION .)
# The MinGW runtime: C++ library, unwinder, threads; their licences.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll} OUTPUT_VARIABLE path
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  install(FILES ${path} DESTINATION .)
endforeach()
install(FILES /usr/share/doc/gcc-mingw-w64-base/copyright DESTINATION licenses RENAME gcc-mingw-w64.txt)
install(FILES /usr/share/doc/mingw-w64-common/copyright DESTINATION licenses RENAME mingw-w64.txt)

if(QUORVEL_GUI)
  # Qt's libraries and plugins, as the window loads them; packaging/windows/
  # qt.sh gathered Qt's LGPL and third-party notices in its licenses/.
  cmake_language(DEFER CALL quorvel_install_qt)
  function(quorvel_install_qt)
    find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport)  # their targets here too
    foreach(module Core Gui Widgets PrintSupport)
      install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION .)
    endforeach()
    install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION plugins/platforms)
    install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION plugins/styles)
    install(DIRECTORY ${QT6_INSTALL_PREFIX}/licenses/ DESTINATION licenses/qt)
    # Qt's own texts (the message box's buttons) from Debian's translations.
    install(FILES /usr/share/qt6/translations/qtbase_zh_CN.qm DESTINATION translations)
    # Not beside the build's own programs, which find Qt where it was built.
    file(WRITE ${CMAKE_BINARY_DIR}/zip/qt.conf "[Paths]\nPrefix = .\n")
    install(FILES ${CMAKE_BINARY_DIR}/zip/qt.conf DESTINATION .)
  endfunction()
endif()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME quorvel-${PROJECT_VERSION}-windows-x86_64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
