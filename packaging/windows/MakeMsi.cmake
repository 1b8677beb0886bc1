# Packs a folder laid out as installed (corvane.exe, corvane-cli.exe, README.txt, MM Icons) into
# Corvane's Windows installer with wixl:
# cmake -DVERSION=1.2.3 -DSTAGE=DIR -DMSI=FILE -P MakeMsi.cmake
foreach(input VERSION STAGE MSI)
  if(NOT ${input})
    message(FATAL_ERROR "usage: cmake -DVERSION=1.2.3 -DSTAGE=DIR -DMSI=FILE -P MakeMsi.cmake")
  endif()
endforeach()
find_program(WIXL wixl REQUIRED)
find_program(WIXL_HEAT wixl-heat REQUIRED)

# Never changes: Windows Installer finds the installed Corvane of any version by it.
set(upgrade_code F0F50038-D91C-4F3B-BBF6-DA57D54DCE62)
# The product code follows from the version, so each version has its own and every build of one
# version the same.
string(UUID product_code NAMESPACE ${upgrade_code} NAME "Corvane ${VERSION}" TYPE SHA1 UPPER)

get_filename_component(stage "${STAGE}" ABSOLUTE)
get_filename_component(msi "${MSI}" ABSOLUTE)
set(work "${msi}.wixl")
file(MAKE_DIRECTORY "${work}")

# The icon set's components, one per file, in a fragment of their own.
file(GLOB icons LIST_DIRECTORIES false "${stage}/MM Icons/*")
list(SORT icons)
list(JOIN icons "\n" listing)
file(WRITE "${work}/icons.txt" "${listing}\n")
execute_process(COMMAND "${WIXL_HEAT}" --prefix "${stage}/" --directory-ref INSTALLDIR --component-group IconSet
                        --var var.StageDir --win64
                INPUT_FILE "${work}/icons.txt" OUTPUT_FILE "${work}/icons.wxs" RESULT_VARIABLE status TIMEOUT 300)
if(status)
  message(FATAL_ERROR "wixl-heat failed: ${status}")
endif()

# The installed size for the installed-programs list, in KB.
file(GLOB_RECURSE files LIST_DIRECTORIES false "${stage}/*")
set(bytes 0)
foreach(file IN LISTS files)
  file(SIZE "${file}" size)
  math(EXPR bytes "${bytes} + ${size}")
endforeach()
math(EXPR size_kb "(${bytes} + 1023) / 1024")

# wixl takes sources by relative names only, so it runs in the stage with the icon copied in.
file(COPY "${CMAKE_CURRENT_LIST_DIR}/../../window/icons/corvane.ico" DESTINATION "${work}")
file(RELATIVE_PATH icon "${stage}" "${work}/corvane.ico")
execute_process(COMMAND "${WIXL}" --arch x64 -D Version=${VERSION} -D ProductCode=${product_code}
                        -D UpgradeCode=${upgrade_code} -D SizeKB=${size_kb} -D StageDir=. -D Win64=yes
                        -D Icon=${icon} -o "${msi}" "${CMAKE_CURRENT_LIST_DIR}/corvane.wxs" "${work}/icons.wxs"
                WORKING_DIRECTORY "${stage}" RESULT_VARIABLE status TIMEOUT 300)
if(status)
  message(FATAL_ERROR "wixl failed: ${status}")
endif()
