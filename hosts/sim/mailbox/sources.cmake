# The .ics mailbox store: a user's calendar file read into plain entries and written back.
# Linux only (libical); should a Windows build ever gather the simulated host, it goes without.
if(WIN32)
  return()
endif()
if(NOT TARGET PkgConfig::QH_LIBICAL)
  pkg_check_modules(QH_LIBICAL REQUIRED IMPORTED_TARGET GLOBAL libical)
endif()
if(NOT TARGET PkgConfig::QH_ICU)
  pkg_check_modules(QH_ICU REQUIRED IMPORTED_TARGET GLOBAL icu-i18n icu-uc)
endif()
target_sources(qh_sim PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CalendarComposer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CalendarDocument.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CalendarError.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CalendarFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CalendarLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CalendarLock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CalendarStore.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ContentLine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EntryReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EventEdits.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EventPatcher.cpp
  ${CMAKE_CURRENT_LIST_DIR}/IcsText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LocalTime.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TimeValue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UserPropertyText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZoneLookup.cpp)
target_link_libraries(qh_sim PUBLIC PkgConfig::QH_LIBICAL PRIVATE PkgConfig::QH_ICU)
