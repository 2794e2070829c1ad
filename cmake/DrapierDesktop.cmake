# What makes Drapier an installed desktop program beside its programs: the menu entry, the file type of skin
# packages, the icon (drawn as SVG, rendered to PNG here), the manual pages and the shell completion.
# Every destination is relative to the install prefix.

set(DRAPIER_APP_ID org.example.Drapier)
set(DRAPIER_DESKTOP_SOURCE ${PROJECT_SOURCE_DIR}/desktop)
set(DRAPIER_DESKTOP_BINARY ${PROJECT_BINARY_DIR}/desktop)
# The sizes desktops ask the hicolor theme for; the SVG serves every other.
set(DRAPIER_ICON_SIZES 16 22 24 32 48 64 128 256)

# A tool a build step needs, with the Debian package that has it.
function(drapier_require_tool variable program package)
  find_program(${variable} ${program})
  if(NOT ${variable})
    message(FATAL_ERROR "${program} is needed for the desktop files: install the Debian package ${package} "
                        "(scripts/deps does), or configure with -DDRAPIER_DESKTOP=OFF")
  endif()
endfunction()
drapier_require_tool(DRAPIER_RSVG_CONVERT rsvg-convert librsvg2-bin)
drapier_require_tool(DRAPIER_HELP2MAN help2man help2man)
drapier_require_tool(DRAPIER_GZIP gzip gzip)

set(generated)

# The icon at each fixed size.
set(svg ${DRAPIER_DESKTOP_SOURCE}/icons/${DRAPIER_APP_ID}.svg)
foreach(size IN LISTS DRAPIER_ICON_SIZES)
  set(folder ${DRAPIER_DESKTOP_BINARY}/icons/${size}x${size})
  set(png ${folder}/${DRAPIER_APP_ID}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${DRAPIER_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg}
    DEPENDS ${svg}
    COMMENT "Rendering the ${size} pixel icon"
    VERBATIM)
  list(APPEND generated ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# drapier-cli's page comes from its own --help and --version, with the examples written by hand. Leak
# checking of a sanitizer build has no say in what the page holds.
set(cli_page ${DRAPIER_DESKTOP_BINARY}/drapier-cli.1)
add_custom_command(OUTPUT ${cli_page}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${DRAPIER_DESKTOP_BINARY}
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 LC_ALL=C.UTF-8
          ${DRAPIER_HELP2MAN} --no-info --section=1 --include=${DRAPIER_DESKTOP_SOURCE}/drapier-cli.h2m
          --output=${cli_page} $<TARGET_FILE:drapier-cli>
  DEPENDS drapier-cli ${DRAPIER_DESKTOP_SOURCE}/drapier-cli.h2m
  COMMENT "Generating the drapier-cli manual page"
  VERBATIM)
# The designer's page is written by hand: its whole command line is a skin path, so it has no --help.
set(designer_page ${DRAPIER_DESKTOP_BINARY}/drapier.1)
configure_file(${DRAPIER_DESKTOP_SOURCE}/drapier.1.in ${designer_page} @ONLY)

foreach(page IN ITEMS ${cli_page} ${designer_page})
  add_custom_command(OUTPUT ${page}.gz
    COMMAND ${DRAPIER_GZIP} -9 -n -k -f ${page}
    DEPENDS ${page}
    VERBATIM)
  list(APPEND generated ${page}.gz)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

add_custom_target(drapier_desktop_files ALL DEPENDS ${generated})

install(FILES ${DRAPIER_DESKTOP_SOURCE}/${DRAPIER_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${DRAPIER_DESKTOP_SOURCE}/${DRAPIER_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${DRAPIER_DESKTOP_SOURCE}/${DRAPIER_APP_ID}.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# bash-completion loads a command's completion from a file of the command's name.
foreach(program IN ITEMS drapier drapier-cli)
  install(FILES ${DRAPIER_DESKTOP_SOURCE}/drapier.bash-completion
    DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
    RENAME ${program})
endforeach()
