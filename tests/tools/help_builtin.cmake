# `quorin --help-builtin NAME`: a known name prints its entry (signatures,
# description, example) and exits 0; an unknown one names the close builtins
# on standard error and exits 1.
# Variables: QUORIN (the interpreter), EMULATOR (optional, runs QUORIN).
set(cmd ${QUORIN})
if(EMULATOR)
  set(cmd ${EMULATOR} ${QUORIN})
endif()
set(failed FALSE)

execute_process(COMMAND ${cmd} --help-builtin split
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE code TIMEOUT 60)
string(REPLACE "\r\n" "\n" out "${out}")
if(NOT code EQUAL 0)
  message("split: exit code ${code}, expected 0\n${err}")
  set(failed TRUE)
endif()
foreach(piece "split（字符串与转换）\n" "    ArrayList<string> split(string s, string separator)\n" "按 separator 切分 s"
              "示例：\n\n    ArrayList<string> parts = split(" "输出：\n\n    4\n    [张三]\n")
  string(FIND "${out}" "${piece}" at)
  if(at EQUAL -1)
    message("split: missing \"${piece}\" in:\n${out}")
    set(failed TRUE)
  endif()
endforeach()

execute_process(COMMAND ${cmd} --help-builtin arraylist_ad
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE code TIMEOUT 60)
string(REPLACE "\r\n" "\n" err "${err}")
if(NOT code EQUAL 1)
  message("arraylist_ad: exit code ${code}, expected 1")
  set(failed TRUE)
endif()
if(NOT err MATCHES "没有名为 'arraylist_ad' 的内置函数\n相近的名称: arraylist_add ")
  message("arraylist_ad: unexpected message:\n${err}")
  set(failed TRUE)
endif()
if(NOT out STREQUAL "")
  message("arraylist_ad: unexpected standard output:\n${out}")
  set(failed TRUE)
endif()

if(failed)
  message(FATAL_ERROR "quorin --help-builtin failed")
endif()
