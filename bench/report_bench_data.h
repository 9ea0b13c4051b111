// Generates a busy shop's database for the report benchmark: products, parties,
// salesmen, income and expense items, and documents with bill lines spread over
// three years, all from a fixed seed so that every run sees the same data.
#ifndef TARVEL_REPORT_BENCH_DATA_H
#define TARVEL_REPORT_BENCH_DATA_H

#include <string>

struct ShopSize {
  int products = 5000;
  int customers = 400;
  int suppliers = 100;
  int salesmen = 10;
  int documents = 100000;  // bills, receipts, payments, income and expense
  double linesPerBill = 4.3;
};

struct GeneratedShop {
  int documents = 0;
  int lines = 0;
  std::string busyCustomer;  // ANSI names of a party and a product with many documents
  std::string busySupplier;
  std::string busyProduct;
  std::string quietProduct;  // a product on no bill
  std::string salesman;
  std::string category;
  std::string incomeItem;
};

// The names of the shop's busy party, supplier and product, a product that is on
// no bill, a salesman, a product category and an income item.
GeneratedShop ShopNames(const ShopSize& size);

// Creates the database at `ansiPath` (replacing any file there) through the data
// object, so it has the program's schema, then fills it in one transaction.
// Throws std::runtime_error when the database cannot be written.
GeneratedShop GenerateShop(const std::string& ansiPath, const ShopSize& size);

#endif
