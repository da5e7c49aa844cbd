#include "refractionprompts.h"

UserPrompts& defaultRefractionPrompts()
{
    static DialogPrompts<UserPrompts> prompts;
    return prompts;
}
