// The attribute control: reads the attributes of one object of the current document into
// the attribute records (db/T_MATR_D.h) and applies the changes the attribute pages ask
// for. Each attribute page owns one.
//
// The current object is the two public fields m_nObjClass and m_nObjKey, which a page
// sets before each read: class 0 a point, 1 column, 2 beam, 3 secondary beam, 4 wall,
// 5 slab, 6 brace, 7 line member of the building model; 8 column, 9 beam, 10 secondary
// beam, 11 wall with height, 12 wall, 13 slab, 14 brace of the analysis model.
//
// Changes: each Modify and Delete applies to the current object as one undoable
// transaction of the model database, then sends the window given to Initialize
// WM_MEMBDATACTRL_CHANGED with the code of the changed data (EN_ATRUP_MODE) in wParam.
// A change that cannot be made (no such object, an object of another class, a value out
// of range, nothing assigned to delete) is refused: it writes nothing, sends nothing and
// answers 0. Refused or not, every change is logged (GetCallCount, GetCall), for all
// attribute controls of the process together, in the order asked.
//
// Where the data live: coordinates, material, section, thickness and beta angle in the
// member and point records; a point's loads and specified displacements in PTLD (one
// T_LATR_D a record of the point: the load case's name and the record's count n as the
// flag); a wall's openings in AWOP (the opening flag is set while the wall has a record
// there, or its assigned data say so); design types in the member's T_MBTP_D (a new record when the
// member has none or shares it with other members); the data assigned to members, points
// and elements in MASG, PASG and EASG (db/T_MASG_D.h), whose record goes when nothing is
// left assigned; a member's loads in CMLD and LNLD, its uncertain load-combination
// factors in UCCF (the first record's factor is the one shown, else the assigned one).
// The load pictures (beamLoads from LNLD, colLoads from CMLD) hold one entry per static
// load case in the table's order: the case's key and name, the member's first load in it
// (0 none) and the number of its loads there as the flag.
// GetPostMemberAttr's pictures of an element hold only the load cases in which its member
// has loads, the flag 1 when a value of those loads is not 0, else 0.
//
// Design-type blocks (T_DMTP_D), word n the design value n of the member's type:
//   column   1 lower story (AUTO 0, YES 1, NO 2), 2 transfer, 3 corner, 4 voluntary (YES 0,
//            NO 1), 5 protection (AUTO 0, YES 1, NO 2)
//   beams    1 frame (AUTO 0, GGR 1, GNR 2, YR 3), 2 cantilever, 3 BJPB (AUTO 0, YES 1,
//            NO 2), 4 middle (AUTO 0, BR 1, JR 2, MR 3), 5 transfer (YES 0, NO 1),
//            6 protection (AUTO 0, YES 1, NO 2)
//   wall     1 shear, 2 reinforcement, 3 GJRJ (AUTO 0, YES 1, NO 2), 4 base protection
//            (IBBOB 0, NO 1, IBNB 2, IBOB 3, IBIGB 4, IBMB 5, IBCB 6)
//   slab     1 protection (AUTO 0, IBJP 1, IBLP 2, NO 3)
// AUTO sets the slot's automatic flag and keeps its value; another code clears the flag.
// GetPostMemberAttr writes positions in the element page's lists instead: every yes/no
// value as AUTO 0, YES 1, NO 2, the base protection as IBNB 0 ... IBCB 4, IBBOB 5, NO 6.
#pragma once
#include <string>
#include <vector>
#include "afx/AfxTypes.h"
#include "afx/AfxWinDefs.h"
#include "afx/CString.h"
#include "db/T_MATR_D.h"

class CWnd;
class CDBDoc;

#define WM_MEMBDATACTRL_CHANGED (0x0400 + 300)

// Codes of the changed data.
enum EN_ATRUP_MODE {
  ATRUP_PONT_COORD = 101,
  ATRUP_PONT_LOAD = 102,
  ATRUP_PONT_DISP = 103,
  ATRUP_PONT_SUPPORT = 104,
  ATRUP_PONT_ELINK = 105,
  ATRUP_MEMB_PROPERTY = 201,  // material, section, thickness, beta angle
  ATRUP_MEMB_DTYPE = 202,
  ATRUP_COL_LOAD = 203,
  ATRUP_BEAM_LOAD = 204,
  ATRUP_WALL_LOAD = 205,
  ATRUP_LINE_LOAD = 206,
  ATRUP_SLAB_LOAD = 207,
  ATRUP_TEMPERATURE = 208,
  ATRUP_RELEASE = 210,
  ATRUP_OFFSET = 211,
  ATRUP_WALL_OPENING = 212,
  ATRUP_SLAB_EDGE = 213,
  ATRUP_SEIS_GRADE = 214,
  ATRUP_STIFF_FACT = 215,
  ATRUP_WALL_STIFF_FACT = 216,
  ATRUP_DEC_FACT = 217,
  ATRUP_MOMENT_FACT = 219,
  ATRUP_TORSION_FACT = 220,
  ATRUP_SEIS_FACT = 221,
  ATRUP_EFFECT_FACT = 222,
  ATRUP_UNBRACED_LENG = 223,
  ATRUP_LIMITING_RATIO = 224,
  ATRUP_EQUIV_MOM_FACT = 225,
  ATRUP_UNCERT_FACT = 226,
  ATRUP_WALL_DETAIL = 228,
  ATRUP_PUSH_HINGE = 229,
  ATRUP_INELASTIC_HINGE = 230,
};

// One logged change: the current object, the operation, its arguments as texts (reals
// with %.15g, a design-type block as its leading word and six values joined by commas, a
// text as given), the result.
struct T_ATTR_CALL {
  int objClass = -1;
  UINT objKey = 0;
  std::string op;
  std::vector<std::string> args;
  int result = 0;
};

class CMembDataCtrl {
 public:
  enum {
    OBJ_PONT = 0, OBJ_COLUMN, OBJ_BEAM, OBJ_SBEAM, OBJ_WALL, OBJ_SLAB, OBJ_BRACE, OBJ_LINE,
    OBJ_P_COLUMN, OBJ_P_BEAM, OBJ_P_SBEAM, OBJ_P_WALL_HEIGHT, OBJ_P_WALL, OBJ_P_SLAB, OBJ_P_BRACE,
  };

  // The current object.
  int m_nObjClass = -1;
  UINT m_nObjKey = 0;

  // The window that receives WM_MEMBDATACTRL_CHANGED (NULL: none).
  void Initialize(CWnd* pWnd);

  // Reads. Each fills the record from the current document and answers non-zero, or
  // leaves it as given and answers 0 (no document, no such object, a class of the other
  // kind). The refresh flag (1 a newly shown object, 0 a refill) changes nothing here.
  BOOL GetPointAttr(T_PATR_D& rec, int nRefresh);
  BOOL GetMemberAttr(T_MATR_D& rec, int nRefresh);
  BOOL GetPostMemberAttr(T_MATR_D& rec, int nRefresh);

  // Changes of the building model (code 101, 201, 202, 207, 210, 214, 228).
  BOOL ModifyPontCoordX(double x);
  BOOL ModifyPontCoordY(double y);
  BOOL ModifyMembMaterial(UINT key);
  BOOL ModifyMembSection(UINT key);
  BOOL ModifyMembThickness(UINT key);
  BOOL ModifyMembBetaAngle(double beta);
  // What follows a beta-angle change of the current member: a built analysis model's
  // element under the member's key takes the member's beta angle (a plain write of the
  // analysis database, which is rebuilt whenever it is entered, so nothing to undo there).
  // Non-zero when the element is in step afterwards, also when there is no analysis model
  // or no such element; 0 when the current object is no member. Logged, sends nothing.
  BOOL UpdatePostBetaAngle();
  // nExtra: the wall's base protection once more as its list position; not needed here.
  BOOL ModifyMembDType(const T_DMTP_D& block, int nExtra);
  // The release code 0 to 4 of the end-fixity list.
  BOOL ModifyMembRelease(int nCode);
  // A grade code (101, 201, 301 to 304, 306 to 309), or 0 (none), written into the slot of
  // the member's grade record that its kind reads (CClassPrel::TR_SetMembGrade).
  BOOL ModifyMembLVL(int nCode);
  BOOL ModifyMembWDtail(int nFlag);
  // The slab's own dead and live load, "DEAD, LIVE" (kN/m^2) as the slab-load row shows it.
  BOOL ModifySlabLoad(const CString& text);

  // Deletions of assigned data, the code being the code sent. Loads go all at once, in
  // every load case: 203 the column loads of a column (CClassCmld), 204 the line loads
  // (CClassLnld) of a beam, lintel or secondary beam, 205 of a wall, 206 of a line member;
  // another member type, or a member without such loads, is refused. 226 removes the
  // member's uncertain load-combination factor records (CClassUccf) and the factor of its
  // assigned data in one step. 102 and 103 remove every point load or specified
  // displacement of the point (CClassPtld); 212 removes the wall's opening at nIndex (the
  // wall's opening record, CClassAwop, goes with its last opening); refused when there is
  // none there.
  BOOL DeletePontData(int nCode);
  BOOL DeleteMembData(int nCode, int nIndex);
  BOOL DeletePMembData(int& nCode);

  // The log of changes asked of every attribute control (0-based; NULL out of range).
  static int GetCallCount();
  static const T_ATTR_CALL* GetCall(int i);
  static void ClearCalls();

 private:
  BOOL Log(const char* op, std::vector<std::string> args, BOOL result);
  void Notify(int nCode) const;

  HWND m_hWnd = nullptr;
};
