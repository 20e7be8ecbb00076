# The loopback test server of the HTTP scripts (scripts/http/): a fixture
# starts it before the first script that needs it and stops it after the
# last.  It listens on 127.0.0.1:80 and, with TLS, on 127.0.0.1:443; it
# fails (and with it the scripts) when it cannot bind them.
find_program(QUORIN_PYTHON3 python3 REQUIRED)
set(_http_server_dir ${CMAKE_BINARY_DIR}/http-server)
add_test(NAME http_server_start
  COMMAND ${QUORIN_PYTHON3} ${CMAKE_CURRENT_LIST_DIR}/server.py start ${_http_server_dir})
add_test(NAME http_server_stop
  COMMAND ${QUORIN_PYTHON3} ${CMAKE_CURRENT_LIST_DIR}/server.py stop ${_http_server_dir})
set_tests_properties(http_server_start PROPERTIES FIXTURES_SETUP http_server RESOURCE_LOCK loopback_ports)
set_tests_properties(http_server_stop PROPERTIES FIXTURES_CLEANUP http_server RESOURCE_LOCK loopback_ports)
foreach(_script fetch failures timeout)
  if(TEST script/http/${_script}.q)
    set_tests_properties(script/http/${_script}.q PROPERTIES FIXTURES_REQUIRED http_server RESOURCE_LOCK loopback_ports)
  endif()
endforeach()
