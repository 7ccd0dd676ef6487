# Copies data/easy.dat, medium.dat and hard.dat, those that exist, to dist/.
file(MAKE_DIRECTORY ${targetDir})
foreach(name easy.dat medium.dat hard.dat)
  if(EXISTS ${sourceDir}/${name})
    file(COPY_FILE ${sourceDir}/${name} ${targetDir}/${name} ONLY_IF_DIFFERENT)
  endif()
endforeach()
