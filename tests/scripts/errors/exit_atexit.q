func void bye()
  console_println("bye")
endfunc
atexit(bye())
console_println("start")
loop 3
  exit()
endloop
console_println("never")
