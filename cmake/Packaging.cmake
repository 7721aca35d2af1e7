# The installed layout and the Debian package.
#
# The programs and qd.dat share one application folder, because both programs
# look for the dictionary beside themselves; /usr/bin holds only relative links
# to them, which the programs resolve back to that folder. Everything else
# goes to its usual place under share/.

# Fixed rather than CMAKE_INSTALL_LIBDIR: the folder holds programs and data,
# not libraries, so it must not move into a multiarch triplet folder.
set(VORNA_INSTALL_APPDIR lib/vorna)
set(VORNA_ID io.github.vorna.Vorna)
set(VORNA_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(VORNA_PACKAGING_BINARY_DIR ${PROJECT_BINARY_DIR}/packaging)

# --- Files made from the packaging sources ----------------------------------
# Manual pages and the changelog carry the version and are compressed the way
# Debian wants them: gzip -9 without a name or time stamp, so builds repeat.
find_program(VORNA_GZIP gzip REQUIRED)
set(_vorna_generated)
foreach(_source IN ITEMS vorna.1 vorna-translate.1 vorna-dict.1 changelog.in)
  string(REGEX REPLACE "\\.in$" "" _name ${_source})
  configure_file(${VORNA_PACKAGING_DIR}/${_source} ${VORNA_PACKAGING_BINARY_DIR}/plain/${_name} @ONLY)
  add_custom_command(
    OUTPUT ${VORNA_PACKAGING_BINARY_DIR}/${_name}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${VORNA_PACKAGING_BINARY_DIR}/plain/${_name}
            ${VORNA_PACKAGING_BINARY_DIR}/${_name}
    COMMAND ${VORNA_GZIP} -9nf ${VORNA_PACKAGING_BINARY_DIR}/${_name}
    DEPENDS ${VORNA_PACKAGING_BINARY_DIR}/plain/${_name}
    COMMENT "Compressing ${_name}"
    VERBATIM)
  list(APPEND _vorna_generated ${VORNA_PACKAGING_BINARY_DIR}/${_name}.gz)
endforeach()
add_custom_target(vorna_packaging_files ALL DEPENDS ${_vorna_generated})
configure_file(${VORNA_PACKAGING_DIR}/${VORNA_ID}.metainfo.xml
               ${VORNA_PACKAGING_BINARY_DIR}/${VORNA_ID}.metainfo.xml @ONLY)

# --- Install rules ----------------------------------------------------------
set(_vorna_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/vorna)
install(FILES ${VORNA_PACKAGING_DIR}/copyright ${VORNA_PACKAGING_BINARY_DIR}/changelog.gz
        DESTINATION ${_vorna_doc_dir})
foreach(_program IN ITEMS vorna-translate vorna-dict)
  install(FILES ${VORNA_PACKAGING_BINARY_DIR}/${_program}.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${VORNA_PACKAGING_DIR}/${_program}.bash-completion
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
          RENAME ${_program})
endforeach()
set(_vorna_linked vorna-translate vorna-dict)
if(VORNA_BUILD_UI)
  install(FILES ${VORNA_PACKAGING_BINARY_DIR}/vorna.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${VORNA_PACKAGING_DIR}/${VORNA_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${VORNA_PACKAGING_BINARY_DIR}/${VORNA_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  list(APPEND _vorna_linked vorna)
endif()

# Relative links, computed at install time so they hold under any prefix and
# inside a staging folder (DESTDIR, CPack).
install(CODE "
  set(_bin \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(RELATIVE_PATH _to_app \"\${_bin}\" \"\${CMAKE_INSTALL_PREFIX}/${VORNA_INSTALL_APPDIR}\")
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${_bin}\")
  foreach(_program IN ITEMS ${_vorna_linked})
    message(STATUS \"Linking: \$ENV{DESTDIR}\${_bin}/\${_program} -> \${_to_app}/\${_program}\")
    file(CREATE_LINK \"\${_to_app}/\${_program}\" \"\$ENV{DESTDIR}\${_bin}/\${_program}\" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\$ENV{DESTDIR}\${_bin}/\${_program}\")
  endforeach()
")

# --- The Debian package -----------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorna)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The VORNA authors")
set(CPACK_PACKAGE_CONTACT "The VORNA authors <vorna@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "offline English-Russian word-by-word translator")
set(CPACK_PACKAGE_DESCRIPTION
    "VORNA renders English text in Russian word by word with a dictionary kept
on the computer itself. Paste or open plain text or RTF, translate it into a
running Russian rendering or a word-translation list, see which words the
dictionary knew, and save either box as RTF.

The package holds the windows program vorna, the command-line translator
vorna-translate for scripts and pipelines, vorna-dict for the reader's own
dictionary, and the default dictionary built from the English-Russian
dictionary of mueller7-dict.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://example.org/vorna)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${VORNA_PACKAGING_DIR}/postrm)
# The full articles and the dictionary forms are read at run time from these
# packages; without them the program works and says what is missing.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "mueller7-dict, hunspell-en-us, wordnet-base")
# The speech library's English voice is data read at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "espeak-ng-data")
if(VORNA_BUILD_UI)
  # Qt loads its display plugins at run time, so the library dependencies
  # alone leave the windows program unable to start.
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", qt6-qpa-plugins")
  string(APPEND CPACK_DEBIAN_PACKAGE_RECOMMENDS
         ", qt6-translations-l10n, fonts-dejavu-core | fonts-cyrillic")
endif()
include(CPack)
