# What an installation holds. On Windows: the zip of a release, with both
# programs, the help page, the README as text and the screenshots it shows.
# Elsewhere: the command-line program with its man page, bash completion and
# README, by `cmake --install` and in the Debian package that CPack makes.
if(WIN32)
  install(TARGETS Tarrowby tarrowby-cli RUNTIME DESTINATION .)
  install(FILES src/ui/Tarrowby.html DESTINATION .)
  install(FILES README.md DESTINATION . RENAME README.txt)
  # The screenshots go where the README's image links point.
  file(STRINGS README.md readme_images REGEX "!\\[[^]]*\\]\\(docs/[^)]+\\)")
  list(TRANSFORM readme_images REPLACE ".*\\]\\((docs/[^)]+)\\).*" "\\1")
  list(REMOVE_DUPLICATES readme_images)
  install(FILES ${readme_images} DESTINATION docs)
elseif(NOT CMAKE_CROSSCOMPILING)
  include(GNUInstallDirs)
  # The man page and the completion are made from the built program's own
  # --help, so that they list the options it has.
  find_program(AWK_PROGRAM NAMES awk REQUIRED)
  set(man_page ${generated_dir}/tarrowby-cli.1)
  set(completion ${generated_dir}/completions/tarrowby-cli)
  add_custom_command(
    OUTPUT ${man_page} ${completion}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${generated_dir}/completions
    COMMAND ${AWK_PROGRAM} -v program=$<TARGET_FILE:tarrowby-cli>
            -v "summary=${PROJECT_DESCRIPTION}" -v man=${man_page} -v completion=${completion}
            -f ${CMAKE_SOURCE_DIR}/cmake/cli-docs.awk
    DEPENDS tarrowby-cli ${CMAKE_SOURCE_DIR}/cmake/cli-docs.awk
    COMMENT "Man page and bash completion from tarrowby-cli --help"
    VERBATIM)
  add_custom_target(cli_docs ALL DEPENDS ${man_page} ${completion})

  install(TARGETS tarrowby-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${completion} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/bash-completion/completions)
  install(FILES README.md DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/tarrowby-cli)

  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGE_NAME tarrowby-cli)
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
  string(CONCAT CPACK_PACKAGE_DESCRIPTION
      "tarrowby-cli draws files at random from folders and M3U playlists until their "
      "total size fills a capacity, and prints the sample, copies it, links it or "
      "writes it as a playlist.")
  set(CPACK_PACKAGE_CONTACT "The Tarrowby developers")
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION sound)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_STRIP_FILES ON)
  include(CPack)
endif()
