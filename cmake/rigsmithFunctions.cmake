# rigsmith_add_skeletons(<target> SKELETONS <file>... [OUTPUT_DIRECTORY <dir>]
#                        [PACKED] [STRICT] [QRC_PREFIX <prefix>])
#
# One QML document per skeleton (a .json, .skel or .skel.bytes file), named as
# the command line names it, in <dir> (default: the current binary folder),
# with the <skeleton>_images folder next to the skeleton file copied beside it. <target> builds them all; the documents
# are listed in <target>_QML_FILES.

function(_rigsmith_xml_escaped text out)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(rigsmith_add_skeletons target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "PACKED;STRICT" "OUTPUT_DIRECTORY;QRC_PREFIX" "SKELETONS")
  if(arg_UNPARSED_ARGUMENTS OR NOT arg_SKELETONS)
    message(FATAL_ERROR "rigsmith_add_skeletons(${target} SKELETONS <file>... [OUTPUT_DIRECTORY <dir>] "
                        "[PACKED] [STRICT] [QRC_PREFIX <prefix>]): unexpected ${arg_UNPARSED_ARGUMENTS}")
  endif()
  set(dir "${CMAKE_CURRENT_BINARY_DIR}")
  if(arg_OUTPUT_DIRECTORY)
    get_filename_component(dir "${arg_OUTPUT_DIRECTORY}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_BINARY_DIR}")
  endif()
  set(options)
  if(arg_STRICT)
    set(options --strict)
  endif()
  set(packed)
  if(arg_PACKED)
    set(packed packed)
  endif()

  set(documents)
  set(copies)
  set(qrc_files)
  foreach(json IN LISTS arg_SKELETONS)
    get_filename_component(json "${json}" ABSOLUTE)
    get_filename_component(folder "${json}" DIRECTORY)
    get_filename_component(file "${json}" NAME)
    # The whole ".skel.bytes" goes, as on the command line.
    if(file MATCHES "^(.*)\\.[sS][kK][eE][lL]\\.[bB][yY][tT][eE][sS]$")
      set(skeleton "${CMAKE_MATCH_1}")
    else()
      get_filename_component(skeleton "${json}" NAME_WLE)
    endif()
    string(SUBSTRING "${skeleton}" 0 1 first)
    string(SUBSTRING "${skeleton}" 1 -1 rest)
    string(TOUPPER "${first}" first)
    set(name "${first}${rest}.qml")
    if("${dir}/${name}" IN_LIST documents)
      message(FATAL_ERROR "rigsmith_add_skeletons(${target}): two skeletons give ${dir}/${name}")
    endif()
    # Run from the JSON file's folder with its bare name, so the document's
    # image folder is the relative <skeleton>_images; "./" keeps a name that
    # looks like an option or like auto mode a file name.
    if(file MATCHES "^-|^auto$")
      set(file "./${file}")
    endif()
    add_custom_command(OUTPUT "${dir}/${name}"
      COMMAND "${CMAKE_COMMAND}" -E make_directory "${dir}"
      COMMAND rigsmith::rigsmith ${options} "${file}" "${dir}/${name}" ${packed}
      WORKING_DIRECTORY "${folder}"
      DEPENDS "${json}" "$<TARGET_FILE:rigsmith::rigsmith>"
      COMMENT "rigsmith ${json}"
      VERBATIM)
    list(APPEND documents "${dir}/${name}")
    list(APPEND qrc_files "${name}")

    # Listed again at every build, so an added image is copied and listed too.
    file(GLOB_RECURSE images CONFIGURE_DEPENDS LIST_DIRECTORIES false
         RELATIVE "${folder}/${skeleton}_images" "${folder}/${skeleton}_images/*")
    foreach(image IN LISTS images)
      set(copy "${dir}/${skeleton}_images/${image}")
      add_custom_command(OUTPUT "${copy}"
        COMMAND "${CMAKE_COMMAND}" -E copy "${folder}/${skeleton}_images/${image}" "${copy}"
        DEPENDS "${folder}/${skeleton}_images/${image}"
        VERBATIM)
      list(APPEND copies "${copy}")
      list(APPEND qrc_files "${skeleton}_images/${image}")
    endforeach()
  endforeach()

  add_custom_target(${target} ALL DEPENDS ${documents} ${copies})
  set(${target}_QML_FILES ${documents} PARENT_SCOPE)

  if(DEFINED arg_QRC_PREFIX)
    set(qrc "<RCC>\n  <qresource prefix=\"${arg_QRC_PREFIX}\">\n")
    foreach(entry IN LISTS qrc_files)
      _rigsmith_xml_escaped("${entry}" entry)
      string(APPEND qrc "    <file>${entry}</file>\n")
    endforeach()
    string(APPEND qrc "  </qresource>\n</RCC>\n")
    # Written now, so qt_add_resources() in the same configure can read it;
    # rewritten only when it changes, so rcc does not run for nothing.
    set(old "")
    if(EXISTS "${dir}/${target}.qrc")
      file(READ "${dir}/${target}.qrc" old)
    endif()
    if(NOT old STREQUAL qrc)
      file(WRITE "${dir}/${target}.qrc" "${qrc}")
    endif()
  endif()
endfunction()
