# What `cmake --install` puts into the prefix: the libraries, their public
# headers side by side in include/ZALMPEntities, the zalmp tool, a CMake
# package (find_package(ZALMPEntities)) and a pkg-config file (zalmpentities).
# Included last, so that every library is known here, the URDF bridge too when
# it is built.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(ZALMP_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/ZALMPEntities)
set(ZALMP_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/ZALMPEntities)

# Installed programs and libraries find the libraries beside them, wherever the
# prefix ends up.
file(RELATIVE_PATH zalmp_bin_to_lib ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR})
set(zalmp_library_rpath "$ORIGIN")
set(zalmp_program_rpath "$ORIGIN/${zalmp_bin_to_lib}")

# The libraries a host links, dependents first (the order of a link line), and
# the name each has in the package, as ZALMP::<name>.
set(zalmp_package_libraries "")
set(zalmp_package_components "")
set(zalmp_pkgconfig_libs "")
function(zalmp_package_library target name)
  add_library(ZALMP::${name} ALIAS ${target})
  set_target_properties(${target} PROPERTIES EXPORT_NAME ${name} INSTALL_RPATH "${zalmp_library_rpath}")
  list(APPEND zalmp_package_libraries ${target})
  list(APPEND zalmp_package_components ${name})
  string(APPEND zalmp_pkgconfig_libs " -l${target}")
  set(zalmp_package_libraries ${zalmp_package_libraries} PARENT_SCOPE)
  set(zalmp_package_components ${zalmp_package_components} PARENT_SCOPE)
  set(zalmp_pkgconfig_libs "${zalmp_pkgconfig_libs}" PARENT_SCOPE)
endfunction()

# A package a library links privately. A shared library carries it by itself;
# a static one hands it on to the host's link line, so the host must find it
# too. The package has the same name for CMake and for pkg-config.
set(zalmp_config_dependencies "")
set(zalmp_pkgconfig_requires "")
set(zalmp_pkgconfig_requires_private "")
function(zalmp_package_dependency target package)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "STATIC_LIBRARY")
    string(APPEND zalmp_config_dependencies "find_dependency(${package})\n")
    string(APPEND zalmp_pkgconfig_requires " ${package}")
  else()
    string(APPEND zalmp_pkgconfig_requires_private " ${package}")
  endif()
  set(zalmp_config_dependencies "${zalmp_config_dependencies}" PARENT_SCOPE)
  set(zalmp_pkgconfig_requires "${zalmp_pkgconfig_requires}" PARENT_SCOPE)
  set(zalmp_pkgconfig_requires_private "${zalmp_pkgconfig_requires_private}" PARENT_SCOPE)
endfunction()

# A library names its header folders once, as plain paths; here they become
# build-only, the installed folder takes their place for hosts, and the headers
# directly in them (never a private src/) are installed flattened into it.
function(zalmp_install_headers target)
  get_target_property(folders ${target} INTERFACE_INCLUDE_DIRECTORIES)
  set(interface "")
  foreach(folder IN LISTS folders)
    if(folder MATCHES "^\\$<BUILD_INTERFACE:(.*)>$")
      set(folder ${CMAKE_MATCH_1})
    elseif(folder MATCHES "^\\$<" OR NOT IS_ABSOLUTE "${folder}")
      list(APPEND interface "${folder}")
      continue()
    endif()
    list(APPEND interface "$<BUILD_INTERFACE:${folder}>")
    install(DIRECTORY ${folder}/ DESTINATION ${ZALMP_INSTALL_INCLUDEDIR}
      FILES_MATCHING PATTERN "*.h" PATTERN "src" EXCLUDE)
  endforeach()
  list(APPEND interface "$<INSTALL_INTERFACE:${ZALMP_INSTALL_INCLUDEDIR}>")
  set_property(TARGET ${target} PROPERTY INTERFACE_INCLUDE_DIRECTORIES "${interface}")
endfunction()

if(TARGET ZALMPUrdf)
  zalmp_package_library(ZALMPUrdf Urdf)
  zalmp_package_dependency(ZALMPUrdf urdfdom)
  zalmp_package_dependency(ZALMPUrdf pugixml)
endif()
zalmp_package_library(ZALMPXml Xml)
zalmp_package_dependency(ZALMPXml pugixml)
zalmp_package_library(ZALMPEntities Entities)
zalmp_package_library(ZALMPPlatform Platform)
zalmp_package_dependency(ZALMPPlatform uuid)

foreach(target IN LISTS zalmp_package_libraries)
  zalmp_install_headers(${target})
endforeach()
install(TARGETS ${zalmp_package_libraries} EXPORT ZALMPEntitiesTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(TARGET zalmp)
  set_target_properties(zalmp PROPERTIES INSTALL_RPATH "${zalmp_program_rpath}")
  install(TARGETS zalmp RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

install(EXPORT ZALMPEntitiesTargets NAMESPACE ZALMP:: DESTINATION ${ZALMP_INSTALL_CMAKEDIR})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/ZALMPEntitiesConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/ZALMPEntitiesConfig.cmake
  INSTALL_DESTINATION ${ZALMP_INSTALL_CMAKEDIR})
# The shared libraries carry the major version in their names.
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/ZALMPEntitiesConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/ZALMPEntitiesConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/ZALMPEntitiesConfigVersion.cmake
  DESTINATION ${ZALMP_INSTALL_CMAKEDIR})

# The .pc file finds the prefix from where it lies, so the prefix may move.
file(RELATIVE_PATH zalmp_pkgconfig_to_prefix ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" zalmp_pkgconfig_to_prefix "${zalmp_pkgconfig_to_prefix}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/zalmpentities.pc.in ${CMAKE_CURRENT_BINARY_DIR}/zalmpentities.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/zalmpentities.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
