# Installation: the library, the replacement host with its recorder, the public headers, the
# tool, and a CMake package (find_package(arf CONFIG)) plus a pkg-config file.
include(CMakePackageConfigHelpers)

install(TARGETS KVMTJARF arfhost EXPORT arfTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        INCLUDES DESTINATION ${ARF_INCLUDE_INSTALL_DIR})
install(TARGETS arfdraw RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
file(GLOB ARF_PUBLIC_HEADERS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/include/*.h)
install(FILES ${ARF_PUBLIC_HEADERS} DESTINATION ${ARF_INCLUDE_INSTALL_DIR})

set(ARF_CMAKE_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/arf)
install(EXPORT arfTargets NAMESPACE arf:: FILE arfTargets.cmake DESTINATION ${ARF_CMAKE_INSTALL_DIR})
configure_package_config_file(cmake/arfConfig.cmake.in ${CMAKE_CURRENT_BINARY_DIR}/arfConfig.cmake
                              INSTALL_DESTINATION ${ARF_CMAKE_INSTALL_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/arfConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/arfConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/arfConfigVersion.cmake
        DESTINATION ${ARF_CMAKE_INSTALL_DIR})

# The .pc file finds its prefix from where it lies, so a relocated install still works.
file(RELATIVE_PATH ARF_PC_TO_PREFIX "/p/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/p")
string(REGEX REPLACE "/$" "" ARF_PC_TO_PREFIX "${ARF_PC_TO_PREFIX}")
configure_file(cmake/arf.pc.in ${CMAKE_CURRENT_BINARY_DIR}/arf.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/arf.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
