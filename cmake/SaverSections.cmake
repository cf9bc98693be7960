# The saver's linker script: the linker's own default, with its smallest
# sections folded into others. Every section of a PE file takes whole
# 512-byte blocks of the file, so .CRT (the start-up and TLS callback
# tables, tens of bytes) and .tls (the CRT's empty TLS template) go at the
# end of .data, and .eh_frame (only the i686 CRT's unwind records, which
# nothing reads in a static saver without exceptions) and x86_64's .xdata
# (the unwind codes, read-only data as other Windows linkers keep them) at
# the start of .rdata. The image directories (imports, resources,
# relocations, the x86_64 exception table) are found by section name and
# keep their sections.
function(gyrelace_saver_linker_script output)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-prog-name=ld
    OUTPUT_VARIABLE linker OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${linker} --verbose OUTPUT_VARIABLE verbose COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCH "\n=+\n(.*)\n=+\n" _ "${verbose}")
  set(script "${CMAKE_MATCH_1}")

  set(block "[^{}]*\n  {\n([^{}]*)\n  }\n")
  string(REGEX MATCH "\n  \\.CRT BLOCK${block}" crt "${script}")
  set(crt_body "${CMAKE_MATCH_1}")
  string(REGEX MATCH "\n  \\.tls BLOCK${block}" tls "${script}")
  set(tls_body "${CMAKE_MATCH_1}")
  string(REGEX MATCH "\n  \\.eh_frame BLOCK${block}" eh_frame "${script}")
  set(eh_frame_body "${CMAKE_MATCH_1}")
  # Only x86_64 has an .xdata section (the unwind codes that .pdata points at).
  string(REGEX MATCH "\n  \\.xdata BLOCK${block}" xdata "${script}")
  set(xdata_body "${CMAKE_MATCH_1}")
  if(NOT crt OR NOT tls OR NOT eh_frame)
    message(FATAL_ERROR "${linker}'s default script has no .CRT, .tls or .eh_frame section as expected")
  endif()

  string(REPLACE "${crt}" "\n" script "${script}")
  string(REPLACE "${tls}" "\n" script "${script}")
  string(REPLACE "${eh_frame}" "\n" script "${script}")
  if(xdata)
    string(REPLACE "${xdata}" "\n" script "${script}")
  endif()
  set(data_end "    *(.data_cygwin_nocopy)\n  }\n")
  set(rdata_start "  .rdata BLOCK(__section_alignment__) :\n  {\n")
  string(FIND "${script}" "${data_end}" data_at)
  string(FIND "${script}" "${rdata_start}" rdata_at)
  if(data_at EQUAL -1 OR rdata_at EQUAL -1)
    message(FATAL_ERROR "${linker}'s default script has no .data or .rdata section as expected")
  endif()
  # What the default script leaves to orphan placement (the dynamic TLS
  # initialisers, .CRT$XD*) followed the tables above in .CRT.
  set(crt_rest "    KEEP (*(SORT(.CRT$*)))")
  string(REPLACE "${data_end}" "    *(.data_cygwin_nocopy)\n${crt_body}\n${crt_rest}\n${tls_body}\n  }\n" script "${script}")
  string(REPLACE "${rdata_start}" "${rdata_start}${eh_frame_body}\n${xdata_body}\n" script "${script}")
  file(WRITE ${output} "${script}\n")
endfunction()
