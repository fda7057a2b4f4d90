#include "AAX_CParameter.h"

// The two kinds of parameter the plug-in publishes are compiled here, once.
template class AAX_CParameter<float>;
template class AAX_CParameter<bool>;
