# kelvaro_export_folder(target): the target's public headers are its own folder and nothing
# else, included with the folder's name ("core/game_state.h"). A link named after the folder,
# alone in a folder of the build tree, is what the target exports; so a library sees the
# headers of the libraries it links and no others, and core cannot include store or ui.
function(kelvaro_export_folder target)
  get_filename_component(folder "${CMAKE_CURRENT_SOURCE_DIR}" NAME)
  set(exported "${CMAKE_CURRENT_BINARY_DIR}/exported")
  file(MAKE_DIRECTORY "${exported}")
  file(CREATE_LINK "${CMAKE_CURRENT_SOURCE_DIR}" "${exported}/${folder}" SYMBOLIC)
  target_include_directories(${target} PUBLIC "${exported}")
endfunction()

# kelvaro_links_nothing(target): fails the configuration if the target links any library, so
# that a library of the standard library alone stays so.
function(kelvaro_links_nothing target)
  cmake_language(EVAL CODE "cmake_language(DEFER CALL kelvaro_check_links_nothing ${target})")
endfunction()

function(kelvaro_check_links_nothing target)
  get_target_property(libraries ${target} LINK_LIBRARIES)
  if(libraries)
    message(FATAL_ERROR "${target} must link nothing, but links: ${libraries}")
  endif()
endfunction()
