// show dasb: the slab-detail settings of the current document as the database library
// reads them back through the module's call-back (ICmdData), printed on one line:
//   dasb key=K meshSize=... deadLoad=... (the fields of T_DASB_D in order)
// The call-back answers in the current units; the line shows reals in internal units, as
// `show table` does. Without the call-back (no module loaded) the settings' defaults.
#include "db/CDBDoc.h"
#include "db/CDataDasb.h"
#include "db/ICmdData.h"
#include "host/CScenarioCommands.h"
#include "host/HostModel.h"

namespace {

CScenarioStatus ShowDasb(CScenarioContext& ctx) {
  CDBDoc& doc = HostModelDoc(ctx);
  CDataDasb dasb;
  ICmdData::ReadDasb(dasb);
  dasb.ConvertUnitIn(doc.GetUnitCtrl());
  CString fields;
  DB_DumpRecord(T_DASB_D::Desc(), &dasb.m_Data, fields);
  ctx.Out() << "dasb key=" << dasb.m_nKey << fields.str() << '\n';
  return CScenarioStatus::Ok();
}

const CScenarioCommandRegistrar s_show("show dasb", 0, 0, ShowDasb);

}  // namespace
