# The Debian package, made by CPack from the install rules: ./dev package
# (which compiles with Debian's hardening flags and validates the result).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Quorvel developers")
set(CPACK_PACKAGE_CONTACT "The Quorvel developers <maintainers@quorvel.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "thermal expansion checks of pipe bends, offsets and loops")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "\
Quorvel is a desktop calculator for piping engineers. It checks whether a
steel pipe run held by anchors at both ends takes up its own thermal
expansion through the flexibility of its legs, for three configurations side
by side in one window: a two-leg bend, a Z-shaped offset and a raised loop.
It computes the anchor reactions and the bending stresses at the anchors and
bends as ratios to the allowable stress.
.
The companion program quorvel-batch computes many runs from a CSV file with
the same results as the window.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # quorvel_VERSION_ARCH.deb
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)  # the libraries, found by dpkg-shlibdeps
# The window's fonts (Chinese captions; α β ° ℃) and the theme its icon lives in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei, fonts-dejavu-core, hicolor-icon-theme")
# Wayland without XWayland; a face with narrow digits for long results; Qt's
# own texts (the message box's OK) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, fonts-urw-base35, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)  # control files 0644, scripts 0755
include(CPack)
