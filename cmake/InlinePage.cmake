# Puts the page together: the template web/page.html with the style, the
# module's script (its WebAssembly already inlined) and the page's script
# in place of their marked comments. Run by CMake as a script:
#   cmake -DSOURCE=web -DMODULE=gyrelace_module.js -DOUT=gyrelace.html -P InlinePage.cmake
file(READ ${SOURCE}/page.html page)
foreach(part page.css:${SOURCE}/page.css gyrelace.js:${MODULE} page.js:${SOURCE}/page.js)
  string(REPLACE ":" ";" part ${part})
  list(GET part 0 marker)
  list(GET part 1 file)
  file(READ ${file} text)
  # Such text would end its element early.
  string(TOLOWER "${text}" lower)
  if(lower MATCHES "</(script|style)")
    message(FATAL_ERROR "${file} holds a closing script or style tag and cannot be inlined")
  endif()
  string(FIND "${page}" "/*@${marker}@*/" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the template has no place for ${marker}")
  endif()
  string(REPLACE "/*@${marker}@*/" "${text}" page "${page}")
endforeach()
file(WRITE ${OUT} "${page}")
