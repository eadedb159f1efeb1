# Run by CPack in the package's staging folder, after the install and before
# the .deb is made: what Debian asks of a package beyond the install itself.
# The CPACK_LUMITILE_* values come from package.cmake.
set(root "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")

# gzip -9n: no name or time stamp inside, so the same files give the same bytes.
function(compress file)
  execute_process(COMMAND gzip -9nf "${file}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip ${file} failed")
  endif()
endfunction()

compress("${root}/${CPACK_LUMITILE_MANDIR}/man6/lumitile.6")
set(doc "${root}/${CPACK_LUMITILE_DOCDIR}")
# file(COPY), not file(INSTALL): CPack's DESTDIR would be put before the path.
file(COPY "${CPACK_LUMITILE_PACKAGING_DIR}/copyright" "${CPACK_LUMITILE_PACKAGING_DIR}/changelog"
  DESTINATION "${doc}" FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
compress("${doc}/changelog")
file(COPY "${CPACK_LUMITILE_PACKAGING_DIR}/lintian-overrides" DESTINATION "${root}/share/lintian/overrides"
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
file(RENAME "${root}/share/lintian/overrides/lintian-overrides" "${root}/share/lintian/overrides/lumitile")

# As dh_strip does: no symbols, and no compiler notes either.
execute_process(COMMAND strip --remove-section=.comment --remove-section=.note --strip-unneeded
  "${root}/bin/lumitile" RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "strip ${root}/bin/lumitile failed")
endif()
