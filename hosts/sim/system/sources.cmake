# The simulated operating system: clock, locale, registry, files, shell, dialogs, modules.
target_sources(qh_sim PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/LocalPath.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ModuleLoader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OpenForms.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SimLocale.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SimRegistry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SimSystem.cpp)
# Modules load with dlopen here, and words sort with ICU; the Windows build brings a
# LoadLibrary loader and CompareStringEx (hosts/win).
if(NOT WIN32)
  if(NOT TARGET PkgConfig::QH_ICU)
    pkg_check_modules(QH_ICU REQUIRED IMPORTED_TARGET GLOBAL icu-i18n icu-uc)
  endif()
  target_sources(qh_sim PRIVATE ${CMAKE_CURRENT_LIST_DIR}/DlopenModules.cpp
                                ${CMAKE_CURRENT_LIST_DIR}/TextCollation.cpp)
  target_link_libraries(qh_sim PUBLIC ${CMAKE_DL_LIBS} PRIVATE PkgConfig::QH_ICU)
endif()
