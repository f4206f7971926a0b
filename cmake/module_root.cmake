# Gives a module's target an include root of its own, holding links to the headers of its
# folder alone. A module then sees the headers of the modules it links and no others, so an
# include of a layer it must not use (the window from the engine, the POSIX layer from the
# portable code) fails to compile.
function(zarvik3_module_root target folder)
    set(root ${PROJECT_BINARY_DIR}/include-roots/${target})
    file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h)
    file(REMOVE_RECURSE ${root})
    file(MAKE_DIRECTORY ${root}/${folder})
    foreach(header IN LISTS headers)
        get_filename_component(name ${header} NAME)
        # A copy where links cannot be made; the glob above re-runs CMake when headers come
        # or go, an edited copy needs a fresh configure.
        file(CREATE_LINK ${header} ${root}/${folder}/${name} SYMBOLIC COPY_ON_ERROR)
    endforeach()
    target_include_directories(${target} PUBLIC ${root})
endfunction()
