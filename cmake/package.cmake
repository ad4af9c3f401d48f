# `make deb`: a Debian binary package (CPack's DEB generator) of what
# `make install` installs: the program, its manual page and desktop entry,
# the shipped session scripts, exercises and meshes under share/viewer/ and the copyright and
# changelog under share/doc/viewer/. Its Depends:
# line comes from dpkg-shlibdeps, so it names the runtime libraries the
# binary links (freeglut, GL, GLU, X11, Composite, the C++ library).

install(FILES docs/tour.script DESTINATION ${CMAKE_INSTALL_DATADIR}/viewer)
install(FILES docs/exercises/1-start-projection.script docs/exercises/2-hfov-and-aspect.script
              docs/exercises/3-translation-signs.script docs/exercises/4-degrees-and-radians.script
              docs/exercises/5-over-the-pole.script docs/exercises/6-traced-vertex.script
        DESTINATION ${CMAKE_INSTALL_DATADIR}/viewer/exercises)
install(FILES docs/meshes/cut_cube.obj docs/meshes/letter_f.obj docs/meshes/torus.obj
        DESTINATION ${CMAKE_INSTALL_DATADIR}/viewer/meshes)
install(FILES docs/debian/copyright ${PROJECT_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The manual page (installed by the root CMakeLists.txt) and the changelog
# are kept compressed, as Debian keeps them; gzip -n leaves no time stamp in
# them. Made at configure time, so that installing needs no build step.
foreach(source docs/viewer.1 docs/debian/changelog)
  get_filename_component(name ${source} NAME)
  execute_process(COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/${source}
                  OUTPUT_FILE ${PROJECT_BINARY_DIR}/${name}.gz COMMAND_ERROR_IS_FATAL ANY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
endforeach()

# cpack installs the build tree: only the viewer, not every test, must be built.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME viewer)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "Viewer team <viewer@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "study the 3-D viewing pipeline with a movable camera")
set(CPACK_PACKAGE_DESCRIPTION
    "An OpenGL window shows a subdivided icosahedron through a camera that the
mouse moves and turns; a control panel sets the render mode, lighting,
culling, depth and fields of view. Keys print OpenGL's viewing matrices
beside those of Corvane, the program's own software record of them.
Optional windows show the camera from outside and the matrices live, and
session scripts drive the viewer unattended.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Mesa's drivers, which the binary does not link: software rendering where
# the machine has no other.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgl1-mesa-dri")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
