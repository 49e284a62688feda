/*
 * stack.c - push and pop for the fixed-capacity stack.
 */
#include <stdlib.h>
#include "stack.h"

/* Empties the stack. */
void stack_init(Stack *s)
{
    s->top = 0;
}

/* Pushes a value; returns 0 when the stack is full. */
int stack_push(Stack *s, int value)
{
    if (s->top >= STACK_CAPACITY) {
        return 0;
    }
    s->items[s->top++] = value;
    return 1;
}

/* Pops a value into *value; returns 0 when the stack is empty. */
int stack_pop(Stack *s, int *value)
{
    if (s->top == 0)
        return 0;
    *value = s->items[--s->top];
    return 1;
}
