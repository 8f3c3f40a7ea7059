# quorvix_gzip(TARGET SOURCE OUTPUT): OUTPUT is SOURCE compressed as Debian wants its
# manual pages and changelogs (gzip -9n: no name, no time stamp, so builds repeat),
# made by the build target TARGET.
function(quorvix_gzip target source output)
  add_custom_command(OUTPUT ${output}
    COMMAND gzip -9n -c ${source} > ${output}
    DEPENDS ${source} VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${output})
endfunction()
