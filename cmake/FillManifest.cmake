# Writes the web app manifest with the product name and the page's colour,
# which the build writes from the program's tables:
#   cmake -DIN=<manifest> -DPRODUCT=<file> -DCOLOUR=<file> -DOUT=<file> -P FillManifest.cmake
file(READ ${IN} manifest)
file(READ ${PRODUCT} product)
file(READ ${COLOUR} colour)
string(REPLACE [[@PRODUCT@]] "${product}" manifest "${manifest}")
string(REPLACE [[@PAGE_COLOUR@]] "${colour}" manifest "${manifest}")
if(manifest MATCHES "@[A-Z_]+@")
  message(FATAL_ERROR "FillManifest: ${IN} holds ${CMAKE_MATCH_0}, which nothing fills")
endif()
file(WRITE ${OUT} "${manifest}")
