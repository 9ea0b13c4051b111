// AdjustStock: moves the current stock of a bill's products, every line or none.
#include "stock_posting.h"

#include <cmath>
#include <cstdlib>

#include "data_object.h"
#include "sql_text.h"

bool IsSalesBill(const std::string& billNumber) { return billNumber.compare(0, 3, "XSD") == 0; }

std::string PostedStock(const std::string& stock, const std::string& quantity, bool takeOut) {
  const double q = std::atof(quantity.c_str());
  double result = std::atof(stock.c_str()) + (takeOut ? -q : q);
  result = std::round(result * 100) / 100;  // stored figures carry two decimals at most
  if (result == 0) result = 0;              // no "-0"
  if (result == std::floor(result)) return StringPrintf("%.0f", result);
  return StringPrintf("%.2f", result);
}

int KXPData::AdjustStock(std::string billNumber, std::vector<std::vector<DataField>>* lines, bool reverse) {
  if (!lines) return -1;
  return Guarded([&] {
    const bool takeOut = IsSalesBill(billNumber) != reverse;
    OperationConnection db = writing();
    {
      // All lines or none: a bill whose posting fails half-way leaves the stock as it was.
      SqliteTransaction transaction(*db, db.transactionKind());
      for (const std::vector<DataField>& line : *lines) {
        if (line.size() < 2) continue;
        const std::string product = SqlEscape(line[0].value);
        std::vector<std::string> stock =
            db->queryColumn(StringPrintf("select 当前库存 from J4_Product_Data where 商品名称='%s'", product.c_str()));
        if (stock.empty()) continue;  // no such product: nothing to move
        const std::string posted = PostedStock(stock.front(), line[1].value, takeOut);
        db->execDML(StringPrintf("update J4_Product_Data set 当前库存='%s' where 商品名称='%s'", posted.c_str(),
                                 product.c_str()));
      }
      transaction.commit();
    }
    db.close();
    return 0;
  });
}
