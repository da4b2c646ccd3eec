# `cmake --install build --prefix PREFIX`: the program's folder is PREFIX/lib/vantor,
# holding the program and what it finds beside itself (help file, digital face,
# demo album and songs, reset file); PREFIX/bin/vantor starts it. The desktop
# entry, the album type and the icon go where the desktop looks for them.
set(vantor_program_dir lib/vantor)
set(vantor_bin ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})

install(TARGETS vantor RUNTIME DESTINATION ${vantor_program_dir})
install(FILES ${vantor_bin}/Vantor.hlp ${vantor_bin}/zrvft2 ${vantor_bin}/default.alb ${vantor_bin}/reset.mid
  DESTINATION ${vantor_program_dir})
install(DIRECTORY ${vantor_bin}/demo DESTINATION ${vantor_program_dir})
install(FILES ${PROJECT_SOURCE_DIR}/desktop/vantor-album.xml DESTINATION share/mime/packages)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/vantor.svg DESTINATION share/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/desktop/icons/vantor-${size}.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME vantor.png)
endforeach()

# What depends on the prefix given at install time, which may differ from the
# configured one: the start link and the entry's Exec line. The desktop's caches
# are renewed when the tools are there and the files land in their final place.
install(CODE "
  set(prefix \"\${CMAKE_INSTALL_PREFIX}\")
  set(root \"\$ENV{DESTDIR}\${prefix}\")
  file(MAKE_DIRECTORY \"\${root}/bin\")
  file(CREATE_LINK ../${vantor_program_dir}/vantor \"\${root}/bin/vantor\" SYMBOLIC)
  message(STATUS \"Installing: \${root}/bin/vantor\")
  set(VANTOR_BIN \"\${prefix}/bin/vantor\")
  configure_file(\"${PROJECT_SOURCE_DIR}/desktop/vantor.desktop.in\"
    \"\${root}/share/applications/vantor.desktop\" @ONLY)
  message(STATUS \"Installing: \${root}/share/applications/vantor.desktop\")
  if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
    find_program(update_mime update-mime-database)
    find_program(update_desktop update-desktop-database)
    if(update_mime)
      execute_process(COMMAND \${update_mime} \"\${root}/share/mime\")
    endif()
    if(update_desktop)
      execute_process(COMMAND \${update_desktop} \"\${root}/share/applications\")
    endif()
  endif()
")
