# Install step: lists every installed data file with its SHA-256. The program compares
# this manifest with the one it copied last time to see cheaply whether anything changed.
set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${K3_SHARE_DIR}")
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${root}" "${root}/*")
list(REMOVE_ITEM files shipped.sha256)
list(SORT files)
set(manifest "")
foreach(f IN LISTS files)
    file(SHA256 "${root}/${f}" hash)
    string(APPEND manifest "${hash}  ${f}\n")
endforeach()
message(STATUS "Installing: ${root}/shipped.sha256")
file(WRITE "${root}/shipped.sha256" "${manifest}")
