#include "core/store/ClientRecord.h"
#include "support/LayoutChecker.h"

#include <gtest/gtest.h>

namespace tavolim::core {
namespace {

TEST(ClientRecord, FieldsTileTheRecordAtDocumentedOffsets)
{
    const auto layout = test::layoutOf<ClientRecord>();

    EXPECT_EQ(ClientRecord::Size, 349u);
    EXPECT_EQ(layout.tilingFault(ClientRecord::Size), "");
    EXPECT_EQ(layout.offsetOf("Observacoes"), 233);
    EXPECT_EQ(layout.offsetOf("Fitas"), 273);
    EXPECT_EQ(layout.offsetOf("RegHistProd"), 345);
}

TEST(ClientRecord, RoundTripsThroughBytes)
{
    ClientRecord c;
    c.Codigo = 7;
    c.PrimNome = "João";
    c.SobreNome = "da Silva Ação";
    c.DataNasc = 5032001;
    c.NumDep = 2;
    c.Dep = {3, 9};
    c.ValorPago = Money::fromCents(1234);
    c.TipoCasa = true;

    const auto bytes = c.encoded();
    ClientRecord back;
    back.decode(bytes);

    EXPECT_EQ(bytes[2], 'J');
    EXPECT_EQ(bytes[4], 0xE3); // "ã" in the Western code page
    EXPECT_EQ(bytes[6], ' ');
    EXPECT_EQ(bytes[241], 0xFF);
    EXPECT_EQ(bytes[242], 0xFF);
    EXPECT_EQ(back.PrimNome, "João");
    EXPECT_EQ(back.SobreNome, "da Silva Ação");
    EXPECT_EQ(back.Dep[1], 9);
    EXPECT_EQ(back.ValorPago, Money::fromCents(1234));
    EXPECT_TRUE(back.TipoCasa);
}

} // namespace
} // namespace tavolim::core
