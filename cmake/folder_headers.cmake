# Headers are included with their folder ("core/voltage_map.h"). Each library exposes only its
# own folder, through a folder of its own in the build tree that holds a link to it, so an
# include of a folder the library does not link fails to compile.
function(solva_folder_headers target)
    get_filename_component(folder "${CMAKE_CURRENT_SOURCE_DIR}" NAME)
    set(root "${PROJECT_BINARY_DIR}/include/${folder}")
    file(MAKE_DIRECTORY "${root}")
    file(CREATE_LINK "${CMAKE_CURRENT_SOURCE_DIR}" "${root}/${folder}" SYMBOLIC)
    target_include_directories(${target} PUBLIC "${root}")
endfunction()
