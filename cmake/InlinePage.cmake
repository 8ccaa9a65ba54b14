# Puts the page's style sheet and script inside its index.html, so that both
# arrive with the page and the program's start waits for no further request:
#   cmake -DHTML=<index.html> -DSTYLE=<css> -DSCRIPT=<js> -DPRODUCT=<file> -DOUT=<file> -P InlinePage.cmake
# PRODUCT holds the product name, which takes the place of each @PRODUCT@.
# SCRIPT is esbuild's bundle of main.js and its imports, a classic script: it
# must run before vemo.js, which a deferred module script would not.
file(READ ${HTML} html)
file(READ ${STYLE} style)
file(READ ${SCRIPT} script)
file(READ ${PRODUCT} product)
string(REPLACE [[@PRODUCT@]] "${product}" html "${html}")
foreach(text IN ITEMS "${style}" "${script}")
  string(TOLOWER "${text}" lower)
  if(lower MATCHES "</(script|style)")
    message(FATAL_ERROR "InlinePage: a closing script or style tag inside the text would end it early")
  endif()
endforeach()
set(style_tag [[<link rel="stylesheet" href="style.css">]])
set(script_tag [[<script type="module" src="main.js"></script>]])
foreach(tag IN ITEMS "${style_tag}" "${script_tag}")
  string(FIND "${html}" "${tag}" first)
  string(FIND "${html}" "${tag}" last REVERSE)
  if(first EQUAL -1 OR NOT first EQUAL last)
    message(FATAL_ERROR "InlinePage: ${HTML} must hold ${tag} once")
  endif()
endforeach()
string(REPLACE "${style_tag}" "<style>${style}</style>" html "${html}")
# The modules were strict code; the bundle stays so.
string(REPLACE "${script_tag}" "<script>\"use strict\";\n${script}</script>" html "${html}")
file(WRITE ${OUT} "${html}")
