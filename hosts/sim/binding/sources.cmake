# The mailbox file bound to the simulated Outlook's default calendar. Linux only, as the
# store it binds (libical).
if(WIN32)
  return()
endif()
target_sources(qh_sim PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AppointmentEntries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MailboxBinding.cpp)
