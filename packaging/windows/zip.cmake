# Windows: a folder to unzip anywhere and start from there, no installer.
# The programs and their DLLs at its top, the print module in quorvel/;
# `cpack` makes quorvel-VERSION-windows-x86_64.zip of it (./dev windows).
# Included before GNUInstallDirs, whose places it sets.
set(CMAKE_INSTALL_BINDIR . CACHE PATH "")
set(CMAKE_INSTALL_LIBDIR . CACHE PATH "")
set(CMAKE_INSTALL_DOCDIR . CACHE PATH "")

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME quorvel-${PROJECT_VERSION}-windows-x86_64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
