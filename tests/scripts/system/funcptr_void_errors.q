void (*f)(int)
int x = f(1)
