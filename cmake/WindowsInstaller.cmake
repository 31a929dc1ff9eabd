# cmake -DSTAGE=FOLDER -DTEMPLATE=kinmatch.nsi.in -DSCRIPT=kinmatch.nsi [-DVARIABLE=...]
#       -P WindowsInstaller.cmake
# Writes the installer's NSIS script for an installation folder (the variables given fill the
# template) and the file lists it includes: KinmatchInstallFiles puts each file in place,
# KinmatchUninstallFiles removes each and then its folders, so that the uninstaller removes
# what was installed and nothing a user may have put in the same folder, and
# KinmatchCheckFilesWritable makes sure, before anything changes, that every file an upgrade
# replaces can be written (no program holds it), so that an installation is never left mixed.
# The files are taken from ${KINMATCH_STAGE}, the folder given here unless makensis is given
# another (-DKINMATCH_STAGE=FOLDER: the same files, signed, for one).
file(GLOB_RECURSE files RELATIVE "${STAGE}" "${STAGE}/*")
list(SORT files)
set(install "!macro KinmatchInstallFiles\n")
set(uninstall "!macro KinmatchUninstallFiles\n")
set(check "!macro KinmatchCheckFilesWritable FAILED\n")
set(folders)
set(bytes 0)
foreach(file ${files})
    get_filename_component(folder "${file}" DIRECTORY)
    string(REPLACE "/" "\\" windows_file "${file}")
    string(REPLACE "/" "\\" windows_folder "${folder}")
    string(APPEND install "  SetOutPath \"$INSTDIR\\${windows_folder}\"\n  File \"\${KINMATCH_STAGE}\\${windows_file}\"\n")
    string(APPEND uninstall "  Delete \"$INSTDIR\\${windows_file}\"\n")
    string(APPEND check "  !insertmacro KinmatchCheckFileWritable \"$INSTDIR\\${windows_file}\" \${FAILED}\n")
    if(folder)
        list(APPEND folders "${windows_folder}")
    endif()
    file(SIZE "${STAGE}/${file}" size)
    math(EXPR bytes "${bytes} + ${size}")
endforeach()
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING) # the deepest first
foreach(folder ${folders})
    string(APPEND uninstall "  RMDir \"$INSTDIR\\${folder}\"\n")
endforeach()
string(APPEND install "  SetOutPath \"$INSTDIR\"\n!macroend\n")
string(APPEND uninstall "!macroend\n")
string(APPEND check "!macroend\n")

get_filename_component(script_folder "${SCRIPT}" DIRECTORY)
set(KINMATCH_NSIS_FILES "${script_folder}/kinmatch-files.nsh")
set(KINMATCH_STAGE "${STAGE}")
file(WRITE "${KINMATCH_NSIS_FILES}" "; Written from ${STAGE}.\n${install}\n${uninstall}\n${check}")
math(EXPR KINMATCH_INSTALLED_KB "(${bytes} + 1023) / 1024")
configure_file("${TEMPLATE}" "${SCRIPT}" @ONLY)
