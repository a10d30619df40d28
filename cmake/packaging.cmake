# The Debian package, made in the build folder with `cpack -G DEB`: the
# program with its pictures, sounds and user guide in /usr/lib/zentrik-voltaro
# (where it looks for them, beside itself), links on the PATH, the examples,
# the desktop entry with its icon and the .ele file type, as the install rules
# lay them out.

# The command-line program on the PATH too, beside the bench's own link.
install(CODE "file(MAKE_DIRECTORY \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin)
              file(CREATE_LINK ../lib/zentrik-voltaro/voltaro-cli
                   \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/voltaro-cli SYMBOLIC)")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zentrik-voltaro)
set(CPACK_PACKAGE_VENDOR "Zentrik Voltaro")
set(CPACK_PACKAGE_CONTACT "Zentrik Voltaro <bench@zentrik-voltaro.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "circuit bench for school physics")
set(CPACK_PACKAGE_DESCRIPTION
    "Pupils and teachers take cells, resistors, rheostats, meters, switches,\n\
bulbs, fuses, relays, bells, diodes and induction apparatus from a\n\
components box, wire them with the mouse and watch needles, readouts,\n\
bulbs and machines respond, in an apparatus view or a circuit diagram.\n\
Experiments are saved as .ele files. voltaro-cli solves, draws and\n\
converts them without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.zentrik-voltaro.example/")
# The libraries the programs link (Qt, the C and C++ runtimes, GBK through
# the C library's iconv) come from dpkg-shlibdeps. What it cannot see: the
# fonts the bench writes its captions and Chinese names in. Qt's screen,
# picture-format, printing and sound plugins ship in the Qt library
# packages it finds.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-wqy-microhei")
include(CPack)
