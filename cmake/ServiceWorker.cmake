# Writes the page's service worker: web/sw.js with the list of the page's
# files (every file of the site but the worker itself) and their SHA-256 sums
# put in place of its empty list, and a version made from that list and the
# worker's own code (a changed worker keeps its files apart too):
#   cmake -DSITE=<site> -DWORKER=<web/sw.js> -P ServiceWorker.cmake
# The worker is rewritten only when it changes: the browser takes a changed
# worker for a new build.
file(GLOB_RECURSE names RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM names sw.js)
list(SORT names)
set(files "")
set(listing "")
foreach(name IN LISTS names)
  file(SHA256 ${SITE}/${name} sum)
  string(APPEND files ",\"${name}\":\"${sum}\"")
  string(APPEND listing "${name} ${sum}\n")
endforeach()
string(SUBSTRING "${files}" 1 -1 files)
file(READ ${WORKER} worker)
string(SHA256 version "${listing}${worker}")
string(SUBSTRING ${version} 0 16 version)

set(empty [[/* the page's files */ { version: '', files: {} }]])
string(FIND "${worker}" "${empty}" first)
string(FIND "${worker}" "${empty}" last REVERSE)
if(first EQUAL -1 OR NOT first EQUAL last)
  message(FATAL_ERROR "ServiceWorker: ${WORKER} must hold ${empty} once")
endif()
string(REPLACE "${empty}" "{\"version\":\"${version}\",\"files\":{${files}}}" worker "${worker}")
set(old "")
if(EXISTS ${SITE}/sw.js)
  file(READ ${SITE}/sw.js old)
endif()
if(NOT old STREQUAL worker)
  file(WRITE ${SITE}/sw.js "${worker}")
endif()
