# Both Windows programs declare in their manifests that they take paths past 260 characters,
# which Wine accepts either way: only the programs themselves can show it.
foreach(program IN LISTS PROGRAMS)
  file(STRINGS "${program}" found REGEX "<longPathAware [^>]*>true</longPathAware>")
  if(NOT found)
    message(FATAL_ERROR "${program}: its manifest does not declare longPathAware")
  endif()
endforeach()
