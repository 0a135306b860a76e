# Writes worker.js from its template: the page's files and a version that
# changes with any of them.
#   cmake -DTEMPLATE=worker.js -DFOLDER=<the page's folder> -DFILES=a;b -P worker.cmake
set(contents "")
set(names "")
foreach(file IN LISTS FILES)
    file(SHA256 ${FOLDER}/${file} hash)
    string(APPEND contents "${file} ${hash}\n")
    list(APPEND names ${file})
endforeach()
string(SHA256 version "${contents}")
string(SUBSTRING ${version} 0 16 MORVETA_PAGE_VERSION)
list(JOIN names " " MORVETA_PAGE_FILES)
configure_file(${TEMPLATE} ${FOLDER}/worker.js @ONLY)
