// Class ids of the tables of the model database, one per record type. A table's update
// record codes are its class id times 10 plus 1 (ADD), 2 (DEL), 3 (MFD) and 4 (MFS).
#pragma once

enum DB_CLASS_ID : unsigned {
  DB_CLASS_NONE = 0,
  DB_CLASS_MDUL = 1,
  DB_CLASS_PLAN = 2,
  DB_CLASS_STOR = 3,
  DB_CLASS_GRND = 4,
  DB_CLASS_MCTL = 5,
  // 20 sections, 21 section scale factors (SectRecord.h)
  DB_CLASS_MATL = 22,
  DB_CLASS_TWOP = 25,  // wall-opening types
  // The model's objects.
  DB_CLASS_PONT = 30,
  DB_CLASS_MEMB = 31,
  DB_CLASS_CURV = 32,
  DB_CLASS_TRLN = 33,
  DB_CLASS_DMLN = 34,
  DB_CLASS_DMPT = 35,
  DB_CLASS_THIK = 36,
  DB_CLASS_STIK = 37,
  DB_CLASS_MBTP = 38,
  // Loads and analysis settings.
  DB_CLASS_STLD = 40,
  DB_CLASS_PZEF = 41,
  DB_CLASS_EIGV = 42,  // eigenvalue analysis control
  DB_CLASS_BUCK = 43,  // buckling analysis control
  DB_CLASS_PDEL = 44,  // P-delta analysis control
  DB_CLASS_ACTL = 45,  // analysis control
  DB_CLASS_BLTP = 46,  // beam load types
  DB_CLASS_CMLD = 47,  // column loads
  DB_CLASS_LNLD = 48,  // line loads (beams, walls, line members)
  // Seismic grades and design factors of members, and the project's seismic settings.
  DB_CLASS_PREL = 50,  // a member's grade records
  DB_CLASS_LFEG = 51,  // grade records
  DB_CLASS_LDCT = 52,  // load-design control
  DB_CLASS_SPCH = 53,  // seismic settings read when the control's flag is set
  DB_CLASS_SSCH = 54,  // seismic settings read otherwise
  DB_CLASS_UCCF = 55,  // uncertain load-combination factors
  DB_CLASS_LCUG = 56,  // civil-air-defence loads and their slab stories
  // Design settings.
  DB_CLASS_PFCT = 57,  // performance-design control
  DB_CLASS_ERSQ = 58,  // automatic erection sequence
  DB_CLASS_GRUP = 59,  // structure groups
  // Nonlinear link properties and the links placed with them.
  DB_CLASS_NLLP = 60,
  DB_CLASS_NLNK = 61,
  // Fiber materials of fiber sections.
  DB_CLASS_FIMP = 62,
  // Data assigned to single members, points and elements.
  DB_CLASS_MASG = 63,
  DB_CLASS_PASG = 64,
  DB_CLASS_EASG = 65,
  // Member names and the loads of named slabs.
  DB_CLASS_NAME = 70,
  DB_CLASS_NSBL = 71,
  // Boundary groups (names only).
  DB_CLASS_BNGR = 72,
  // Mid-span reinforcement directions of slabs.
  DB_CLASS_SDIR = 73,
  // The project information.
  DB_CLASS_PJCF = 110,
  // Tables the project status counts: the walls' openings (CClassAwop.h), the point loads
  // (CClassPtld.h) and those that hold, for now, only what their records belong to
  // (CClassOwned.h).
  DB_CLASS_AWOP = 111,  // wall openings
  DB_CLASS_PTLD = 112,  // point loads and specified displacements
  DB_CLASS_RIGD = 113,  // rigid links
  DB_CLASS_DRLS = 114,  // diaphragm disconnections
  DB_CLASS_SKEW = 115,  // point local axes
  DB_CLASS_CGLP = 116,  // changed general-link properties
  DB_CLASS_SSPT = 117,  // surface supports
  DB_CLASS_ARLD = 118,  // area loads
  DB_CLASS_BMLA = 119,  // assigned beam loads
  DB_CLASS_EXPL = 120,  // exceptions to pattern loading
  DB_CLASS_SWGT = 121,  // member self weight
  DB_CLASS_STMP = 122,  // system temperature
  DB_CLASS_PTMP = 123,  // point temperatures
  DB_CLASS_PMAS = 124,  // point masses
  DB_CLASS_SPFC = 125,  // spectrum functions
  DB_CLASS_SMPT = 126,  // settlement groups
  DB_CLASS_SMLC = 127,  // settlement load cases
  // The wind load's outlines and shielding faces.
  DB_CLASS_OTLN = 130,
  DB_CLASS_LWRD = 131,
  // The catalogue of slab load types.
  DB_CLASS_SLTP = 150,
  // Member load types and their assignment to member names per standard floor.
  DB_CLASS_LDTP = 135,
  DB_CLASS_MBLD = 136,
  // Named planes.
  DB_CLASS_NPLN = 140,
  // The analysis model (the analysis database): 80 to 99.
  DB_CLASS_PNODE = 80,
  DB_CLASS_PMEMB = 81,
  DB_CLASS_PSTOR = 82,
  DB_CLASS_PMATL = 83,
  DB_CLASS_PSECT = 84,
  DB_CLASS_PTHIK = 85,
  DB_CLASS_PMDUL = 86,
};

enum DB_UPDATE_KIND { DB_UR_ADD = 1, DB_UR_DEL = 2, DB_UR_MFD = 3, DB_UR_MFS = 4 };
#define DB_UR_CODE(classId, kind) ((int)(classId) * 10 + (int)(kind))

// Database ids of a document's database set (CMDBCtrl::GetDB): the model database and
// the analysis database. Every database holds every table; the tables of the analysis
// model (class ids 80 to 99) are read and written in the analysis database only.
enum DB_DATABASE_ID : unsigned { DB_ID_MODEL = 1, DB_ID_POST = 2 };
inline unsigned DB_DatabaseOfClass(unsigned classId) { return classId >= 80 && classId < 100 ? DB_ID_POST : DB_ID_MODEL; }

// Update hints passed to OnUpdate: 3, records of the model database changed (the update
// records tell what); 11, rigid-zone factors or force output positions changed (sent
// through CDBDoc::UpdateAllViews, with no update records).
enum DB_UPDATE_HINT { DB_HINT_DATA_CHANGED = 3, DB_HINT_RIGID_ZONE = 11 };
