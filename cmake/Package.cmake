# The release files of one Windows build, run by its release_files target:
#   cmake -DEXE=... -DOUT=... -DVERSION=... -DARCH=x86|x64
#         [-DNSI=... -DMAKENSIS=... -DICON=...] -P Package.cmake
# Stages what ships (the program, and the holidays folder beside it when the
# build has one) in OUT/Tempovista, zips that folder as
# OUT/Tempovista-VERSION-ARCH.zip and, given NSI, makes the installer
# OUT/Tempovista-VERSION-setup.exe from the same files. OUT is emptied
# first: it holds this version's files only.
cmake_minimum_required(VERSION 3.20)

get_filename_component(build_dir ${EXE} DIRECTORY)
set(stage ${OUT}/Tempovista)
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${stage})
file(COPY ${EXE} DESTINATION ${stage})
if(IS_DIRECTORY ${build_dir}/holidays)
  file(COPY ${build_dir}/holidays DESTINATION ${stage})
endif()

set(zip ${OUT}/Tempovista-${VERSION}-${ARCH}.zip)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip Tempovista
  WORKING_DIRECTORY ${OUT} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "Could not make ${zip}")
endif()

if(NOT NSI)
  return()
endif()

# The installer's file lists: what to install and, in reverse, what its
# uninstaller removes (those files only, then their folders when empty).
file(GLOB_RECURSE files RELATIVE ${stage} LIST_DIRECTORIES true ${stage}/*)
list(SORT files)
set(install "!macro TV_INSTALL_FILES\n")
set(remove "")
foreach(f ${files})
  string(REPLACE "/" "\\" win ${f})
  if(IS_DIRECTORY ${stage}/${f})
    set(remove "  RMDir \"$INSTDIR\\${win}\"\n${remove}")
  else()
    get_filename_component(dir ${f} DIRECTORY)
    if(dir)
      string(REPLACE "/" "\\" dir "\\${dir}")
    endif()
    string(APPEND install "  SetOutPath \"$INSTDIR${dir}\"\n  File \"${stage}/${f}\"\n")
    set(remove "  Delete \"$INSTDIR\\${win}\"\n${remove}")
  endif()
endforeach()
string(APPEND install "  SetOutPath \"$INSTDIR\"\n!macroend\n")
file(WRITE ${OUT}/files.nsh
  "${install}!macro TV_REMOVE_FILES\n${remove}!macroend\n")

set(setup ${OUT}/Tempovista-${VERSION}-setup.exe)
execute_process(COMMAND ${MAKENSIS} -V2 -WX
    -DVERSION=${VERSION} -DOUTFILE=${setup} -DICON=${ICON}
    -DFILES=${OUT}/files.nsh ${NSI}
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "makensis could not make ${setup}")
endif()
