# Copies the site made in FROM to TO as it is served: each script, style and module under a name
# that carries the first eight hex digits of its content's SHA-256, each page naming them so, and
# the worker, written from WORKER, listing every file of this build and named by their hashes
# together. A changed file is then a new name, which no cache can answer with the old content, and
# a page always loads the files of its own build. Run in CMake's script mode:
#   cmake -DFROM=DIR -DTO=DIR -DWORKER=sw.js.in -P StampSite.cmake
cmake_minimum_required(VERSION 3.22)

# Nothing of an older build stays: the worker would keep it.
file(REMOVE_RECURSE ${TO})
file(GLOB_RECURSE made RELATIVE ${FROM} LIST_DIRECTORIES false ${FROM}/*)
list(SORT made)

set(hashed)
set(pages)
set(served)
foreach(file IN LISTS made)
    if(file MATCHES "^(.*)[.](js|css|wasm)$")
        file(SHA256 ${FROM}/${file} sum)
        string(SUBSTRING ${sum} 0 8 sum)
        set(name ${CMAKE_MATCH_1}.${sum}.${CMAKE_MATCH_2})
        set(name_of_${file} ${name})
        list(APPEND hashed ${file})
        configure_file(${FROM}/${file} ${TO}/${name} COPYONLY)
    else()
        set(name ${file})
        if(file MATCHES "(^|/)index[.]html$")
            list(APPEND pages ${file})
        else()
            configure_file(${FROM}/${file} ${TO}/${name} COPYONLY)
        endif()
    endif()
    list(APPEND served ${name})
endforeach()

# A page names a file relative to its own folder, in quotes.
foreach(page IN LISTS pages)
    file(READ ${FROM}/${page} text)
    get_filename_component(folder ${page} DIRECTORY)
    foreach(file IN LISTS hashed)
        set(from_page ${file})
        set(name ${name_of_${file}})
        if(folder STREQUAL "")
        elseif(file MATCHES "^${folder}/(.*)$")
            set(from_page ${CMAKE_MATCH_1})
            string(REGEX REPLACE "^${folder}/" "" name ${name})
        else()
            set(from_page ../${file})
            set(name ../${name})
        endif()
        string(REPLACE "\"${from_page}\"" "\"${name}\"" text "${text}")
    endforeach()
    # A name left unhashed would be fetched from an older build's cache: it fails the build.
    if(text MATCHES "\"([^\"]*/)?[^\"./]+[.](js|css|wasm)\"")
        message(FATAL_ERROR "StampSite: ${page} names ${CMAKE_MATCH_0}, which has no hash")
    endif()
    file(WRITE ${TO}/${page} "${text}")
endforeach()

# The build's name: its files' names, which carry the hashes, and the other files' contents.
set(build "")
foreach(file IN LISTS made)
    file(SHA256 ${FROM}/${file} sum)
    string(APPEND build "${file} ${sum}\n")
endforeach()
string(SHA256 build "${build}")
string(SUBSTRING ${build} 0 12 BUILD)
list(TRANSFORM served REPLACE "(.+)" "\"\\1\"")
list(JOIN served ",\n    " FILES)
configure_file(${WORKER} ${TO}/sw.js @ONLY)
