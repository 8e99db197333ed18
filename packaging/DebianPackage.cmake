# The Debian package, made by CPack's DEB generator from the build tree's own install rules:
#   cmake --build build --target package     (or: cd build && cpack -G DEB)
# gives build/zuvomatic_<version>_amd64.deb. Depends is computed from the binaries by
# dpkg-shlibdeps, plus what the program loads by name at run time.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zuvomatic)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "合同会社 vezudavi")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "program a small robot with picture icons and send it as sound")
# The long description; CPack indents it and turns the empty line into " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Zuvomatic lets a child or a beginner program a small two-motor robot by
laying picture icons on a grid as a flowchart: drive, turn, wait, branch on
a touch or light sensor, repeat, count with variables, light the LED and
beep. A grammar check in three stages makes the icons at fault blink; a
program that has passed is compiled into a short byte image and played
through the sound output, which the robot listens to.

The package holds the program (its user interface is Japanese), the
command-line tool zuvomatic-cli, which checks, compiles, plays and simulates
robot files without a window, sample programs, a help with 107 topics and a
simulated robot on five courses.")
set(CPACK_PACKAGE_CONTACT "zuvomatic@example.com")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "合同会社 vezudavi <zuvomatic@example.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://zuvomatic.example.com/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
# DESTDIR set while staging: the install rules then leave the MIME, launcher and icon caches
# to the package's triggers instead of writing cache files into the package.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded by name, so that dpkg-shlibdeps cannot see them: the Japanese font the windows ask
# for, and Qt's Japanese texts for the question boxes and file dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-translations-l10n")
# Sending needs a sound server; the volume reminder starts a mixer program.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse, pavucontrol | pavucontrol-qt")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The tests' and benchmarks' own installs (none today) stay out: only this project's rules.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};ALL;/")
include(CPack)
