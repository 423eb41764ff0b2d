# vks_add_resource_scripts(target script.rc ...): compiles each resource script with vksrc
# into a source of `target` that registers the script's resources when the module loads. A
# script's #include and the files its statements name are looked for beside it, then in the
# target's include folders (its own and those of the libraries it links), so <windows.h> is the
# platform's. A change to the script or to any file it reads compiles it again.
function(vks_add_resource_scripts target)
  set(folders "$<TARGET_PROPERTY:${target},INCLUDE_DIRECTORIES>")
  set(include_flags "$<$<BOOL:${folders}>:-I$<JOIN:${folders},;-I>>")
  foreach(script IN LISTS ARGN)
    get_filename_component(path ${script} ABSOLUTE)
    get_filename_component(name ${script} NAME_WE)
    set(base ${CMAKE_CURRENT_BINARY_DIR}/vksrc/${target}/${name}_rc)
    add_custom_command(OUTPUT ${base}.cpp
      BYPRODUCTS ${base}.res
      COMMAND vksutil::vksrc "${include_flags}" ${path} -o ${base}.cpp --depfile ${base}.d
      DEPENDS vksutil::vksrc ${path}
      DEPFILE ${base}.d
      COMMAND_EXPAND_LISTS
      COMMENT "Compiling the resource script ${script}")
    target_sources(${target} PRIVATE ${base}.cpp)
  endforeach()
endfunction()
