#include "qtabstracteditorfactorybase.h"
