# Installation and packages: `cmake --install build --prefix DIR` installs the
# libraries, the header, the `tarvex` command, the CMake package (target
# tarvex::tarvex), tarvex.pc, the examples and, when present, the Python
# package; `cpack -G DEB` and `cpack -G TGZ` package the same files.
include(CMakePackageConfigHelpers)

set(TARVEX_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/tarvex)
set(TARVEX_PYTHON_INSTALL_DIR lib/python3/dist-packages CACHE STRING
    "Folder, relative to the prefix, for the Python package (where Debian's python3 finds it under /usr)")

install(TARGETS tarvex_shared tarvex_static EXPORT tarvexTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} NAMELINK_SKIP
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(TARGETS tarvex_shared LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} NAMELINK_ONLY)
install(TARGETS tarvex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/include/tarvex/tarvex.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tarvex)

install(EXPORT tarvexTargets NAMESPACE tarvex:: DESTINATION ${TARVEX_CMAKE_DIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/tarvexConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/tarvexConfig.cmake INSTALL_DESTINATION ${TARVEX_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/tarvexConfigVersion.cmake COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/tarvexConfig.cmake ${PROJECT_BINARY_DIR}/tarvexConfigVersion.cmake
        DESTINATION ${TARVEX_CMAKE_DIR})

# tarvex.pc finds its prefix from its own folder, so one file serves every prefix.
file(RELATIVE_PATH TARVEX_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
configure_file(${PROJECT_SOURCE_DIR}/cmake/tarvex.pc.in ${PROJECT_BINARY_DIR}/tarvex.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/tarvex.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tarvex/examples)

# The Python package, where it exists, goes where python3 finds it for the prefix
# (for a prefix other than /usr, add DIR/${TARVEX_PYTHON_INSTALL_DIR} to PYTHONPATH).
if(EXISTS ${PROJECT_SOURCE_DIR}/python/tarvex/__init__.py)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/python/tarvex DESTINATION ${TARVEX_PYTHON_INSTALL_DIR}
          PATTERN __pycache__ EXCLUDE PATTERN "*.pyc" EXCLUDE)
endif()

set(CPACK_PACKAGE_NAME tarvex)
set(CPACK_PACKAGE_VENDOR "Tarvex developers")
set(CPACK_PACKAGE_CONTACT "Tarvex developers <tarvex@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "The library libtarvex (one C entry point, TGO) and the command-line host tarvex:\n a pile is a beam-column on nonlinear p-y soil springs, solved by finite differences.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR "DEB;TGZ")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
if(EXISTS ${PROJECT_SOURCE_DIR}/python/tarvex/__init__.py)
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "python3, python3-numpy, python3-pandas")
  set(CPACK_DEBIAN_PACKAGE_SUGGESTS "python3-matplotlib, python3-distributed, python3-tqdm")
endif()
set(CPACK_ARCHIVE_FILE_NAME ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR})
set(CPACK_PACKAGE_FILE_NAME ${CPACK_ARCHIVE_FILE_NAME})
include(CPack)
