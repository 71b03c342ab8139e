// The slab-detail settings as a record image: the chosen story's key and the settings.
#pragma once
#include "db/DB_CData.h"
#include "db/T_DASB_D.h"

class CDataDasb : public DB_CDataImage<T_DASB_D> {};
