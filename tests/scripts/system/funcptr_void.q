# `void` starts a function-pointer declaration, globally and in a function
void (*f)(int)
void ( * g )(string, int*, double*)
func void local_pointer()
  void (*p)(double)
  println("local declared")
  p(1.5)
endfunc
println("declared")
local_pointer()
