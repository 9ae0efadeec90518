# The simulated operating system: clock, locale, registry, files, shell, dialogs, modules.
target_sources(qh_sim PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/LocalPath.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ModuleLoader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OpenForms.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SimLocale.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SimRegistry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SimSystem.cpp)
# Modules load with dlopen here; the Windows build brings a LoadLibrary loader (hosts/win).
if(NOT WIN32)
  target_sources(qh_sim PRIVATE ${CMAKE_CURRENT_LIST_DIR}/DlopenModules.cpp)
  target_link_libraries(qh_sim PUBLIC ${CMAKE_DL_LIBS})
endif()
