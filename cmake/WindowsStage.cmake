# cmake -DSTAGE=FOLDER -DSTRIP=STRIP -DQT_LICENCES=FOLDER -DSOURCE=FOLDER -D... -P WindowsStage.cmake
# Readies an installed folder for the installer: every library without its debugging sections
# (Qt's and the compiler's come with them), and the licence texts of everything in it, as
# Windows text files (CR LF): THIRD-PARTY.txt, which names each library, its licence and where
# its source is, the texts under licences\, and copyright.txt, our own licence, which claims
# only our own files.

file(GLOB_RECURSE libraries "${STAGE}/*.dll")
foreach(library ${libraries})
    execute_process(COMMAND ${STRIP} --strip-unneeded "${library}" RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "Could not strip ${library}")
    endif()
endforeach()

# windows_text(FROM TO): FROM as a Windows text file.
function(windows_text from to)
    file(READ "${from}" text)
    string(REPLACE "\r\n" "\n" text "${text}")
    string(REPLACE "\n" "\r\n" text "${text}")
    get_filename_component(folder "${to}" DIRECTORY)
    file(MAKE_DIRECTORY "${folder}")
    file(WRITE "${to}" "${text}")
endfunction()

set(licences "${STAGE}/licences")
# Qt: the LGPL, version 3, with the GPL it builds on, and Debian's record of every file's
# licence in the source the libraries were built from.
windows_text("${QT_LICENCES}/LICENSES/LGPL-3.0-only.txt" "${licences}/Qt/LGPL-3.0.txt")
windows_text("${QT_LICENCES}/LICENSES/GPL-3.0-only.txt" "${licences}/Qt/GPL-3.0.txt")
windows_text("${QT_LICENCES}/debian/copyright" "${licences}/Qt/debian-copyright.txt")
# The libraries built into Qt's DLLs and plugins shipped (Qt6Core: PCRE2, zlib,
# double-conversion, tinycbor, the easing curves and the hash functions; Qt6Gui: FreeType,
# HarfBuzz, libpng, md4c and the sRGB colour profile; qjpeg: libjpeg-turbo), each with its
# licence files and Qt's record of its copyright.
foreach(library blake2 double-conversion easing freetype harfbuzz-ng icc libjpeg libpng md4 md4c
                md5 pcre2 rfc6234 sha1 sha3 tinycbor zlib)
    file(GLOB texts "${QT_LICENCES}/src/3rdparty/${library}/*")
    list(APPEND texts "${QT_LICENCES}/src/3rdparty/${library}/docs/FTL.TXT")
    foreach(text ${texts})
        if(IS_DIRECTORY "${text}" OR NOT EXISTS "${text}")
            continue()
        endif()
        get_filename_component(name "${text}" NAME)
        if(NOT name MATCHES "\\.(txt|TXT|json|md)$")
            set(name "${name}.txt")
        endif()
        windows_text("${text}" "${licences}/${library}/${name}")
    endforeach()
endforeach()
# The compiler's runtime (libstdc++, libgcc: the GPL, version 3, with the GCC Runtime Library
# Exception) and MinGW-w64's (winpthreads), from Debian's records of their packages.
windows_text(/usr/share/doc/gcc-mingw-w64-base/copyright "${licences}/gcc-runtime.txt")
windows_text(/usr/share/doc/mingw-w64-common/copyright "${licences}/mingw-w64.txt")

configure_file("${SOURCE}/packaging/windows/THIRD-PARTY.txt.in" "${STAGE}/THIRD-PARTY.unix" @ONLY)
windows_text("${STAGE}/THIRD-PARTY.unix" "${STAGE}/THIRD-PARTY.txt")
file(REMOVE "${STAGE}/THIRD-PARTY.unix")
configure_file("${SOURCE}/packaging/windows/copyright.txt.in" "${STAGE}/copyright.unix" @ONLY)
windows_text("${STAGE}/copyright.unix" "${STAGE}/copyright.txt")
file(REMOVE "${STAGE}/copyright.unix")
