// The benchmark shop: written through raw prepared statements in one
// transaction, since the data object's one-connection-per-call inserts would
// take minutes for this many rows.
#include "report_bench_data.h"

#include <cstdio>
#include <random>
#include <stdexcept>
#include <vector>

#include "data_object.h"
#include "sqlite_connection.h"
#include "text_encoding.h"

namespace {

class Inserter {
 public:
  Inserter(sqlite3* db, const char* sql) : db_(db) {
    if (sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr) != SQLITE_OK) fail();
  }
  ~Inserter() { sqlite3_finalize(statement_); }
  Inserter(const Inserter&) = delete;
  Inserter& operator=(const Inserter&) = delete;

  void insert(const std::vector<std::string>& utf8Values) {
    for (size_t i = 0; i < utf8Values.size(); ++i)
      sqlite3_bind_text(statement_, static_cast<int>(i + 1), utf8Values[i].c_str(), -1, SQLITE_TRANSIENT);
    if (sqlite3_step(statement_) != SQLITE_DONE) fail();
    sqlite3_reset(statement_);
  }

 private:
  [[noreturn]] void fail() { throw std::runtime_error(sqlite3_errmsg(db_)); }
  sqlite3* db_;
  sqlite3_stmt* statement_ = nullptr;
};

std::string Text(const char* format, int number) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, number);
  return buffer;
}

std::string Money(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2f", value);
  return buffer;
}

void Exec(sqlite3* db, const char* sql) {
  if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) throw std::runtime_error(sqlite3_errmsg(db));
}

}  // namespace

GeneratedShop GenerateShop(const std::string& ansiPath, const ShopSize& size) {
  std::remove(ansiPath.c_str());
  KXPData data;
  if (data.OpenDatabase(ansiPath.c_str()) != 0) throw std::runtime_error("cannot create " + ansiPath);
  CppSQLite3DB connection;
  connection.open(data.connectionSettings());
  sqlite3* db = connection.handle();
  Exec(db, "begin");

  std::mt19937 random(20140101);
  auto uniform = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  const char* const units[] = {u8"个", u8"箱", u8"斤", u8"盒", u8"瓶"};

  std::vector<std::string> products;
  std::vector<double> prices;
  {
    Inserter product(db, "insert into J4_Product_Data values (?1,?2,?3,?4,?5,?6,'',?7,?8,?9,?10,'','')");
    Inserter cost(db, "insert into J4_Product_CostPrice values (?1,?2)");
    for (int i = 0; i < size.products; ++i) {
      products.push_back(Text(u8"商品%05d", i));
      const double price = uniform(100, 10000) / 100.0;
      prices.push_back(price);
      const int initial = uniform(0, 200);
      product.insert({products.back(), Text(u8"类别%d", i % 50), units[i % 5], Money(price), Money(price * 1.5),
                      Money(price * 1.2), Text("%d", initial + uniform(-50, 50)), Text("%d", initial),
                      i % 7 == 0 ? std::string() : Text("%d", uniform(0, 20)),
                      i % 5 == 0 ? std::string() : Text("%d", uniform(100, 300))});
      if (i % 2 == 0) cost.insert({products.back(), Money(price * uniform(90, 110) / 100.0)});
    }
  }

  std::vector<std::string> customers, suppliers, salesmen, incomeItems, expenseItems;
  {
    Inserter party(db, "insert into J4_Customer_Data values (?1,?2,'','','','','','','',?3,?3,'','')");
    for (int i = 0; i < size.customers; ++i) {
      customers.push_back(Text(u8"客户%04d", i));
      party.insert({customers.back(), u8"客户", Money(uniform(0, 100000) / 100.0)});
    }
    for (int i = 0; i < size.suppliers; ++i) {
      suppliers.push_back(Text(u8"供应商%03d", i));
      party.insert({suppliers.back(), u8"供应商", Money(uniform(0, 100000) / 100.0)});
    }
    Inserter saler(db, "insert into J4_Saler values (?1)");
    for (int i = 0; i < size.salesmen; ++i) {
      salesmen.push_back(Text(u8"业务员%02d", i));
      saler.insert({salesmen.back()});
    }
    Inserter item(db, "insert into J4_Account_Item values (?1,?2)");
    for (int i = 0; i < 10; ++i) {
      incomeItems.push_back(Text(u8"收入项目%02d", i));
      item.insert({incomeItems.back(), u8"收入"});
      expenseItems.push_back(Text(u8"支出项目%02d", i));
      item.insert({expenseItems.back(), u8"支出"});
    }
  }

  GeneratedShop shop;
  {
    // 单据日期, 单据编号, 类型, 客户名称, 折扣率, 收款金额, 说明, 收支项目, 操作人, 实际金额, 业务员
    Inserter document(db, "insert into J4_Account_Data values (?1,?2,?3,?4,?5,?6,?7,?8,'',?9,?10)");
    Inserter line(db, "insert into J4_Bill_Items values (?1,?2,?3,?4,?5,'')");
    const int days = 3 * 365;
    std::geometric_distribution<int> extraLines(1.0 / size.linesPerBill);
    for (int d = 0; d < size.documents; ++d) {
      // Documents in date order, a few hundred a week, three years from 2012.
      const int day = static_cast<int>(static_cast<long long>(d) * days / size.documents);
      const int year = 2012 + day / 365, dayOfYear = day % 365;
      char date[16];
      std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, dayOfYear / 31 + 1 > 12 ? 12 : dayOfYear / 31 + 1,
                    dayOfYear % 31 + 1 > 28 ? 28 : dayOfYear % 31 + 1);
      const std::string compactDate = std::string(date, 4) + std::string(date + 5, 2) + std::string(date + 8, 2);
      const int kind = uniform(0, 99);
      const std::string sequence = Text("%06d", d);
      if (kind < 70) {  // a sales or a purchase bill with its lines
        const bool sale = kind < 45;
        const std::string number = (sale ? "XSD" : "JHD") + compactDate + sequence;
        const int lineCount = 1 + extraLines(random);
        double total = 0;
        for (int l = 0; l < lineCount; ++l) {
          // Some products sell far more often than others; the last ten are on no bill.
          const int p = uniform(0, 3) == 0 ? uniform(0, 49) : uniform(0, size.products - 11);
          const int quantity = uniform(1, 20);
          const double price = prices[p] * (sale ? 1.3 : 1.0);
          total += quantity * price;
          line.insert({number, products[p], Text("%d", quantity), Money(price), Money(quantity * price)});
          ++shop.lines;
        }
        const int rate = uniform(0, 3) == 0 ? uniform(80, 99) : 100;
        const double due = total * rate / 100;
        const double paid = uniform(0, 1) ? due : due * uniform(0, 100) / 100;
        const std::string& party = sale ? customers[uniform(0, 9) == 0 ? 0 : uniform(0, size.customers - 1)]
                                        : suppliers[uniform(0, size.suppliers - 1)];
        document.insert({date, number, sale ? u8"销售单" : u8"进货单", party, Text("%d", rate), Money(due),
                         sale ? u8"销售" : u8"进货", "", Money(paid),
                         sale ? salesmen[uniform(0, size.salesmen - 1)] : ""});
      } else if (kind < 90) {  // a receipt or a payment
        const bool receipt = kind < 82;
        const std::string& party =
            receipt ? customers[uniform(0, size.customers - 1)] : suppliers[uniform(0, size.suppliers - 1)];
        const std::string amount = Money(uniform(1000, 500000) / 100.0);
        document.insert({date, (receipt ? "SKD" : "FKD") + compactDate + sequence, receipt ? u8"收款单" : u8"付款单",
                         party, "", amount, receipt ? u8"收款" : u8"付款", "", amount, ""});
      } else {  // other income or expense
        const bool income = kind < 93;
        const std::string& item = income ? incomeItems[uniform(0, 9)] : expenseItems[uniform(0, 9)];
        const std::string amount = Money(uniform(100, 200000) / 100.0);
        document.insert({date, "ZJD" + compactDate + sequence, u8"收支单", "", "", "", item, item, amount, ""});
      }
      ++shop.documents;
    }
  }
  Exec(db, "commit");
  connection.close();
  const GeneratedShop names = ShopNames(size);
  const int documents = shop.documents, lines = shop.lines;
  shop = names;
  shop.documents = documents;
  shop.lines = lines;
  return shop;
}

GeneratedShop ShopNames(const ShopSize& size) {
  GeneratedShop names;
  names.quietProduct = Utf8ToAnsi(Text(u8"商品%05d", size.products - 1));
  names.salesman = Utf8ToAnsi(Text(u8"业务员%02d", 0));
  names.category = Utf8ToAnsi(Text(u8"类别%d", 0));
  names.busyCustomer = Utf8ToAnsi(Text(u8"客户%04d", 0));
  names.busySupplier = Utf8ToAnsi(Text(u8"供应商%03d", 0));
  names.busyProduct = Utf8ToAnsi(Text(u8"商品%05d", 0));
  names.incomeItem = Utf8ToAnsi(Text(u8"收入项目%02d", 0));
  return names;
}
