// Tables and views of kx_jxc.db. Every column is text; names are GBK here and go
// to SQLite as UTF-8. The statements run at every start, so they must stay
// idempotent ("if not exists") and must never alter what a user's file holds.
#include "schema.h"

#include "sqlite_connection.h"
#include "reports/report_indexes.h"

namespace {

const char* const kTablesBeforeParties[] = {
    "create table IF NOT EXISTS J4_Sys_User (name text primary key, pwd text, email text, question text, answer text);",
    "create table IF NOT EXISTS J4_Sys_Setting (name text primary key, savepwd text);",
    "create table IF NOT EXISTS J4_Sys_SideBar_Item (name text primary key, image text, tip text);",
    "create table IF NOT EXISTS J4_Product_Type (商品类别 text primary key,上级类别 text,级别 text )",
    "create table IF NOT EXISTS J4_Product_Unit (计量单位 text primary key)",
    "create table IF NOT EXISTS J4_Product_Data (商品名称 text primary key,商品类别 text,计量单位 text,进货价 text,"
    "零售价 text,批发价 text,客户批发价 text,当前库存 text,初始库存 text,最低库存 text,最高库存 text,备注 text,"
    "操作人 text, foreign key (商品类别 ) references J4_Product_Type(商品类别),foreign key (计量单位 ) references "
    "J4_Product_Unit(计量单位 ))",
    "create view if not exists J4_V_Product_Inventory as select 商品名称,商品类别,计量单位 as 单位,当前库存 as 库存,"
    "进货价,批发价,零售价 from J4_Product_Data",
    "create table IF NOT EXISTS J4_Customer_Data (客户名称 text primary key,类型 text,联系人 text,联系电话 text,"
    "传真 text,QQ text,邮箱 text,地址 text,邮编 text,当前应收款 text,初始应收款 text,备注 text,操作人 text )",
};

// The default parties. Once the first of them exists the group stops, so a party
// the user deleted on purpose is not forced back.
const char* const kDefaultParties[] = {
    "insert into J4_Customer_Data values ('零售客户','客户','','','','','','','','','','','')",
    "insert into J4_Customer_Data values ('批发客户','客户','','','','','','','','','','','')",
    "insert into J4_Customer_Data values ('零散供应商','供应商','','','','','','','','','','','')",
};

const char* const kTablesAfterParties[] = {
    "create view if not exists J4_V_Customer_Receivable as select 客户名称,联系人,联系电话 as 电话,当前应收款 as 应收款 "
    "from J4_Customer_Data where 类型='客户'",
    "create view if not exists J4_V_Supplier_Payable as select 客户名称 as 供应商名称,联系人,联系电话 as 电话,"
    "当前应收款 as 应付款 from J4_Customer_Data where 类型='供应商'",
    "create table IF NOT EXISTS J4_Customer_TradePrice (客户名称 text,商品名称  text,单位 text,客户批发价 text,"
    "primary key (客户名称,商品名称),foreign key (客户名称) references J4_Customer_Data(客户名称 ),foreign key "
    "(商品名称) references J4_Product_Data(商品名称 ))",
    "create table IF NOT EXISTS J4_Supplier_ContractPrice (供应商名称 text,商品名称  text,单位 text,供应商合同价 text,"
    "primary key (供应商名称,商品名称),foreign key (供应商名称) references J4_Customer_Data(客户名称 ),foreign key "
    "(商品名称) references J4_Product_Data(商品名称 ))",
    "create table IF NOT EXISTS J4_Account_Data (单据日期 text,单据编号 text primary key,类型 text,客户名称 text,"
    "折扣率 text,收款金额 text,说明 text,收支项目 text,操作人 text,实际金额 text,业务员 text )",
    "create view IF NOT EXISTS J4_V_Product_Account as select 单据日期,单据编号,类型,客户名称,折扣率,收款金额,说明,"
    "操作人,实际金额,业务员 from J4_Account_Data",
    "create table IF NOT EXISTS J4_Bill_Items (单据编号 text,商品名称 text,数量 text,单价 text,金额 text,备注 text )",
    "create table IF NOT EXISTS J4_Account_Item (项目名称 text primary key,项目类别 text )",
    "create view IF NOT EXISTS J4_V_Account_Data as select 单据日期 as 业务日期,单据编号 as 业务编号,说明 as 摘要 ,"
    "客户名称 as 往来单位,收支项目,实际金额 as 收入,实际金额 as 支出,实际金额 as 结余 from J4_Account_Data order by "
    "业务日期 asc",
    "create table IF NOT EXISTS J4_Product_CostPrice (商品名称 text primary key,单位成本 text )",
    "create table IF NOT EXISTS J4_Sales_Order (单据日期 text,单据编号 text primary key,类型 text,客户名称 text,"
    "交货日期 text,订货数量 text,已发数量 text,折扣率 text,应收金额 text,说明 text,操作人 text )",
    "create table IF NOT EXISTS tb_priority (name text primary key,autorun text,exit_min text )",
    "create table IF NOT EXISTS J4_Saler (name text primary key )",
    "create table IF NOT EXISTS J4_LogicalUnit (name text,name_basic text,value text, product text )",
};

}  // namespace

void CreateSchema(CppSQLite3DB& db) {
  for (const char* sql : kTablesBeforeParties) db.execDML(sql);
  try {
    for (const char* sql : kDefaultParties) db.execDML(sql);
  } catch (const CppSQLite3Exception&) {
  }
  for (const char* sql : kTablesAfterParties) db.execDML(sql);
  CreateReportIndexes(db);
}
