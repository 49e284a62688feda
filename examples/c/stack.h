/* stack.h - a fixed-capacity integer stack */
#ifndef STACK_H
#define STACK_H

#define STACK_CAPACITY 64

typedef struct {
    int items[STACK_CAPACITY];
    int top;
} Stack;

void stack_init(Stack *s);
int stack_push(Stack *s, int value);
int stack_pop(Stack *s, int *value);

#endif /* STACK_H */
