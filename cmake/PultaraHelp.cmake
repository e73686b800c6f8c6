# pultara_install_help(<target>): puts the help file "halvane.rtf" beside the
# target's executable after each build, and installs it beside it.
function(pultara_install_help target)
  set(help ${PROJECT_SOURCE_DIR}/data/halvane.rtf)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${help} $<TARGET_FILE_DIR:${target}>
    VERBATIM)
  install(FILES ${help} DESTINATION bin OPTIONAL)
endfunction()
