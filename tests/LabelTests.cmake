# Run by ctest after a test program's tests were discovered (velmar_tests). Every test
# runs offscreen and never sees a data folder of the developer's environment (an empty
# VELMAR_DATA_DIR counts as unset). It keeps the program's label (velmar_label) and gets
# more from its suite name, the part before the first '.':
#   a suite whose name contains "Concurrent" holds threading tests: label threads
#   (`make test-tsan` runs them);
#   a suite whose name ends in "Slow" (ends: "Slownik" is a word) holds tests of
#   seconds: label slow and the longer timeout velmar_slow_timeout.
foreach(test IN LISTS velmar_tests)
  string(REGEX MATCH "^[^.]*" suite "${test}")
  set(labels ${velmar_label})
  if(suite MATCHES "Concurrent")
    list(APPEND labels threads)
  endif()
  if(suite MATCHES "Slow$")
    list(APPEND labels slow)
    set_tests_properties("${test}" PROPERTIES TIMEOUT ${velmar_slow_timeout})
  endif()
  set_tests_properties("${test}" PROPERTIES LABELS "${labels}"
                      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;VELMAR_DATA_DIR=")
endforeach()
