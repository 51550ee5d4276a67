// RACIONA5: fraction constants, construction, equality, gcd, the cut to single
// length, double-length multiplication and fraction addition. Only the integer
// module's public part is used.
#include "raciona5.hpp"

#include <algorithm>

#include "raciona5_private.hpp"

namespace raciona5 {

using namespace aritunit;

TORT NULLATORT;
TORT FEL;
TORT EGYTORT;
TORT KETTOTORT;
bool KEREKITES;

namespace {

// Digits 0..256 of X set to zero; sign, HOSSZ and radix are left as they are.
void TOROL(EGESZSZAM& X) { std::fill_n(X.JEGY.data(), X.JEGY.size(), std::uint8_t{0}); }

// X := zero (HOSSZ 0, every digit 0) with the radix and sign of MINTA.
void NULLAZ(EGESZSZAM& X, const EGESZSZAM& MINTA) {
  X = NULLA;
  X.SZAMRENDSZER = MINTA.SZAMRENDSZER;
  X.ELOJEL = MINTA.ELOJEL;
}

// The one of radix R: EGY (which is radix 10) with its radix field set, so that
// adding it to a value of radix R reports no mismatch and leaves radix R.
EGESZSZAM EGY_SZAMRENDSZERBEN(int R) {
  EGESZSZAM X = EGY;
  X.SZAMRENDSZER = R;
  return X;
}

// The highest position at or below HONNAN that holds a non-zero digit, or 0.
int LEGFELSO(const EGESZSZAM& X, int HONNAN) {
  int I = HONNAN;
  while (I > 0 && X.JEGY[I] == 0) --I;
  return I;
}

}  // namespace

// ---------------------------------------------------------------------------
// Start-up, construction and equality

void INICIALIZALAS() {
  KEREKITES = false;
  EGESZBOL_TORT(NULLA, EGY, NULLATORT);
  EGESZBOL_TORT(EGY, KETTO, FEL);
  EGESZBOL_TORT(EGY, EGY, EGYTORT);
  EGESZBOL_TORT(KETTO, EGY, KETTOTORT);
}

void EGESZBOL_TORT(const EGESZSZAM& SZAMLALO, const EGESZSZAM& NEVEZO, TORT& RAC) {
  RAC.SZAMLALO = SZAMLALO;
  RAC.NEVEZO = NEVEZO;
}

bool EGYENLO(const EGESZSZAM& A, const EGESZSZAM& B) {
  if (A.HOSSZ != B.HOSSZ) return false;
  // The index spans every position up to HOSSZ, 256 included, so operands of
  // HOSSZ 256 are compared in full.
  int I = 0;
  while (A.JEGY[I] == B.JEGY[I] && I < A.HOSSZ) ++I;
  return A.JEGY[I] == B.JEGY[I];
}

// ---------------------------------------------------------------------------
// Greatest common divisor and the cut to single length

void LNKO(const EGESZSZAM& A, const EGESZSZAM& B, EGESZSZAM& OSZTO, EGESZSZAM& A1, EGESZSZAM& B1) {
  // With the flag raised a division writes no remainder, so Euclid's loop
  // could never end: leave the results as they are.
  if (TULCSORDULT) return;
  // A and B are read again after the results are written: when a result record
  // is one of them, work from copies of the operands.
  if (&OSZTO == &A || &OSZTO == &B || &A1 == &A || &A1 == &B || &B1 == &A || &B1 == &B) {
    const EGESZSZAM A_MASOLAT = A, B_MASOLAT = B;
    LNKO(A_MASOLAT, B_MASOLAT, OSZTO, A1, B1);
    return;
  }
  EGESZSZAM HANYADOS{};  // quotients of the loop and remainders of the end: thrown away
  EGESZSZAM MARADEK{};
  A1 = A;
  B1 = B;
  // Each remainder goes straight into its dividend's record, which OSZT
  // allows; the record then holds what a copy of a separate remainder would.
  while (!NULLA_E(A1) && !NULLA_E(B1)) {
    if (NAGYOBB(A1, B1)) {
      OSZT(A1, B1, HANYADOS, A1);
    } else {
      OSZT(B1, A1, HANYADOS, B1);
    }
  }
  OSZTO = NULLA_E(A1) ? B1 : A1;
  if (EGYENLO(OSZTO, EGY)) {
    A1 = A;
    B1 = B;
  } else {
    OSZT(A, OSZTO, A1, MARADEK);
    OSZT(B, OSZTO, B1, MARADEK);
  }
}

void EGYSZERUSIT(const EGESZSZAM& A, const EGESZSZAM& B, const EGESZSZAM& C, const EGESZSZAM& D,
                 EGESZSZAM& SZAMLALO, EGESZSZAM& NEVEZO) {
  // K: the top index of the larger high half; K + 1 digits are dropped from
  // both values. The smaller value's top index after the cut is its digit count
  // (the low half's HOSSZ + 1, plus the high half's HOSSZ + 1 when that is not
  // zero) less the K + 1 dropped, less one.
  const bool SZAMLALO_NAGYOBB = NAGYOBB(B, D);
  const int K = SZAMLALO_NAGYOBB ? B.HOSSZ : D.HOSSZ;
  const int KISEBB_HOSSZ = SZAMLALO_NAGYOBB ? C.HOSSZ + D.HOSSZ - K - (EGYENLO(D, NULLA) ? 1 : 0)
                                            : A.HOSSZ + B.HOSSZ - K - (EGYENLO(B, NULLA) ? 1 : 0);
  // A denominator below R^(K+1) would become zero: the sum cannot be held.
  if (SZAMLALO_NAGYOBB && KISEBB_HOSSZ < 0) {
    TULCSORDULT = true;
    return;
  }
  for (int I = K + 1; I <= MAXPONTOSSAG; ++I) {
    SZAMLALO.JEGY[I - K - 1] = A.JEGY[I];
    NEVEZO.JEGY[I - K - 1] = C.JEGY[I];
  }
  for (int I = 0; I <= K; ++I) {
    SZAMLALO.JEGY[I + MAXPONTOSSAG - K] = B.JEGY[I];
    NEVEZO.JEGY[I + MAXPONTOSSAG - K] = D.JEGY[I];
  }
  SZAMLALO.SZAMRENDSZER = B.SZAMRENDSZER;
  NEVEZO.SZAMRENDSZER = B.SZAMRENDSZER;
  SZAMLALO.ELOJEL = B.ELOJEL;
  NEVEZO.ELOJEL = POZ;
  if (SZAMLALO_NAGYOBB) {
    SZAMLALO.HOSSZ = MAXPONTOSSAG;
    NEVEZO.HOSSZ = KISEBB_HOSSZ;
  } else if (KISEBB_HOSSZ >= 0) {
    NEVEZO.HOSSZ = MAXPONTOSSAG;
    SZAMLALO.HOSSZ = KISEBB_HOSSZ;
  } else {
    // A numerator below R^(K+1) keeps no digit: it becomes zero.
    NEVEZO.HOSSZ = MAXPONTOSSAG;
    SZAMLALO.HOSSZ = 0;
    SZAMLALO.JEGY[0] = 0;
    SZAMLALO.ELOJEL = POZ;
  }
  KEREKITES = true;
}

// ---------------------------------------------------------------------------
// Double-length multiplication

namespace {

// ALSO := positions 0..K of X, FELSO := positions K+1..2K+1 of X moved down by
// K + 1; positions above X.HOSSZ count as zero. Both take X's radix and sign.
// ALSO keeps its leading zeros (HOSSZ K) when FELSO is not empty.
void FELEZ(const EGESZSZAM& X, int K, EGESZSZAM& ALSO, EGESZSZAM& FELSO) {
  TOROL(ALSO);
  TOROL(FELSO);
  const int H = X.HOSSZ;
  for (int I = 0; I <= K && I <= H; ++I) ALSO.JEGY[I] = X.JEGY[I];
  for (int I = 0; I <= K && I + K + 1 <= H; ++I) FELSO.JEGY[I] = X.JEGY[I + K + 1];
  ALSO.SZAMRENDSZER = X.SZAMRENDSZER;
  FELSO.SZAMRENDSZER = X.SZAMRENDSZER;
  ALSO.ELOJEL = X.ELOJEL;
  FELSO.ELOJEL = X.ELOJEL;
  ALSO.HOSSZ = H <= K ? H : K;
  FELSO.HOSSZ = H <= K ? 0 : H - K - 1;
}

// Splits the middle term S3 (plus ATVITEL * R^256, the carry of a sum that ran
// past position 255) for adding at R^(K+1): N1 := its positions 0..K moved up
// by K + 1, N2 := the rest moved down by K + 1. Both take S3's radix and sign;
// a zero middle term gives a zero N1 in normal form.
void KOZEPSO_FELEZ(const EGESZSZAM& S3, int K, bool ATVITEL, EGESZSZAM& N1, EGESZSZAM& N2) {
  TOROL(N1);
  TOROL(N2);
  const int H = S3.HOSSZ;
  for (int I = 0; I <= K && I <= H; ++I) N1.JEGY[I + K + 1] = S3.JEGY[I];
  for (int I = 0; I <= K && I + K + 1 <= H; ++I) N2.JEGY[I] = S3.JEGY[I + K + 1];
  N1.SZAMRENDSZER = S3.SZAMRENDSZER;
  N2.SZAMRENDSZER = S3.SZAMRENDSZER;
  N1.ELOJEL = S3.ELOJEL;
  N2.ELOJEL = S3.ELOJEL;
  if (NULLA_E(S3)) {
    N1.HOSSZ = 0;
    N2.HOSSZ = 0;
  } else if (H <= K) {
    N1.HOSSZ = H + K + 1;
    N2.HOSSZ = 0;
  } else {
    N1.HOSSZ = 2 * K + 1;
    N2.HOSSZ = H - K - 1;
  }
  if (ATVITEL) {
    N2.JEGY[K + 1] = 1;
    N2.HOSSZ = K + 1;
  }
}

}  // namespace

void HOSSZUSZOROZ(const EGESZSZAM& A, const EGESZSZAM& B, EGESZSZAM& C, EGESZSZAM& D) {
  PONTOSSAG = MAXPONTOSSAG;
  if (TULCSORDULT) return;
  const int K = (PONTOSSAG - 1) / 2;  // halves of K + 1 = 128 digits
  EGESZSZAM SZ1{}, SZ2{}, N1{}, N2{}, S1{}, S2{}, S3{};
  FELEZ(A, K, SZ1, SZ2);  // a0, a1
  FELEZ(B, K, N1, N2);    // b0, b1
  SZOROZ(SZ1, N1, S1);    // a0 b0
  SZOROZ(SZ2, N2, S2);    // a1 b1
  OSSZEAD(SZ1, SZ2, S3);  // a0 + a1
  OSSZEAD(N1, N2, SZ2);   // b0 + b1
  SZOROZ(S3, SZ2, SZ1);   // (a0 + a1)(b0 + b1)

  // The middle term a0 b1 + a1 b0, with its carry past position 255.
  bool ATVITEL = false;
  if (!TULCSORDULT) {
    KIVON(SZ1, S1, SZ2);
    KIVON(SZ2, S2, S3);
  } else {
    // The half-sums' product reached R^256 and does not fit in one integer.
    // Form the middle term from its two products instead; their sum (below
    // 2 R^256) may carry past position 255, and the carry is kept for N2.
    TULCSORDULT = false;
    FELEZ(A, K, SZ1, SZ2);
    SZOROZ(SZ1, N2, S3);   // a0 b1
    SZOROZ(SZ2, N1, SZ1);  // a1 b0
    OSSZEAD(S3, SZ1, S3);
    if (TULCSORDULT) {
      TULCSORDULT = false;
      ATVITEL = true;
    }
  }
  KOZEPSO_FELEZ(S3, K, ATVITEL, N1, N2);

  OSSZEAD(S1, N1, C);
  if (TULCSORDULT) {
    // The low half ran past position 255: carry one into the high half,
    // towards the product's sign.
    TULCSORDULT = false;
    EGESZSZAM EGY_R = EGY_SZAMRENDSZERBEN(A.SZAMRENDSZER);
    OSSZEAD(S2, N2, S3);
    if (C.ELOJEL == POZ) {
      OSSZEAD(S3, EGY_R, D);
    } else {
      KIVON(S3, EGY_R, D);
    }
  } else {
    OSSZEAD(S2, N2, D);
  }
  if (!NULLA_E(D)) {
    // The low half is full width; positions the sum did not write are zeros.
    for (int I = C.HOSSZ + 1; I <= MAXPONTOSSAG; ++I) C.JEGY[I] = 0;
    C.HOSSZ = MAXPONTOSSAG;
  }
}

// ---------------------------------------------------------------------------
// Fraction addition

namespace {

// One fraction sum: the locals it works in, and its three nested routines, which
// share them. Every double-length value formed here has both halves in the
// operands' radix and the value's sign, a full-width low half while the high
// half is not zero, and zeros at every position above a half's HOSSZ up to 255.
struct TORTOSSZEADAS {
  EGESZSZAM KOZOS{};  // g; then the second cross product's low half; then the denominator's high half
  EGESZSZAM C{};      // b/g; then the numerator's low half
  EGESZSZAM D{};      // d/g
  EGESZSZAM E{};      // the first cross product's low half; then the numerator's high half
  EGESZSZAM F{};      // the first cross product's high half; then the denominator's low half
  EGESZSZAM G{};      // the second cross product's high half
  EGESZSZAM H{};      // the high half of a difference
  bool TUL = false;   // the value being formed has outgrown single length
  int SZAMRENDSZER = 0;

  void FUTTAT(const TORT& A, const TORT& B, TORT& OSSZEG);

  // (FELSO:ALSO) := X * Y, both halves with the product's sign; raises TUL
  // when the high half is not zero. ALSO and FELSO are distinct from X and Y.
  void TSZ(const EGESZSZAM& X, const EGESZSZAM& Y, EGESZSZAM& ALSO, EGESZSZAM& FELSO) {
    ALSO = NULLA;
    FELSO = NULLA;
    if (X.HOSSZ + Y.HOSSZ >= MAXPONTOSSAG) {
      HOSSZUSZOROZ(X, Y, ALSO, FELSO);
      if (!NULLA_E(FELSO)) TUL = true;
    } else {
      SZOROZ(X, Y, ALSO);  // at most 256 digits: cannot overflow
      FELSO.SZAMRENDSZER = ALSO.SZAMRENDSZER;
    }
    const bool NULLA_SZORZAT = NULLA_E(ALSO) && NULLA_E(FELSO);
    const ELOJELTIPUS ELOJEL = X.ELOJEL != Y.ELOJEL && !NULLA_SZORZAT ? NEG : POZ;
    ALSO.ELOJEL = ELOJEL;
    FELSO.ELOJEL = ELOJEL;
  }

  // (Z1:Z0) := (X1:X0) - (Y1:Y0) on bare digits in radix SZAMRENDSZER: low
  // halves X0, Y0, Z0 at positions 0..255, high halves X1, Y1, Z1 at 0..HOSSZ.
  // The minuend must not be the smaller; the last borrow is dropped.
  void TK(const POZSZAM& X1, const POZSZAM& X0, const POZSZAM& Y1, const POZSZAM& Y0, POZSZAM& Z1,
          POZSZAM& Z0, int HOSSZ) const {
    int ATVITEL = 0;
    auto LEPES = [&](const POZSZAM& X, const POZSZAM& Y, POZSZAM& Z, int I) {
      const int K = X[I] - Y[I] - ATVITEL;
      ATVITEL = K < 0 ? 1 : 0;
      Z[I] = K + ATVITEL * SZAMRENDSZER;
    };
    for (int I = 0; I <= MAXPONTOSSAG; ++I) LEPES(X0, Y0, Z0, I);
    for (int I = 0; I <= HOSSZ; ++I) LEPES(X1, Y1, Z1, I);
  }

  // Sets the top indices of a difference: the high half FELSO's by a search
  // down from HONNAN; the low half ALSO's by a search from 255 when the high
  // half is zero (which also clears TUL), else 255.
  void TH(EGESZSZAM& FELSO, EGESZSZAM& ALSO, int HONNAN) {
    FELSO.HOSSZ = LEGFELSO(FELSO, HONNAN);
    if (FELSO.JEGY[FELSO.HOSSZ] == 0) {
      ALSO.HOSSZ = LEGFELSO(ALSO, MAXPONTOSSAG);
      TUL = false;
    } else {
      ALSO.HOSSZ = MAXPONTOSSAG;
    }
  }
};

// (FELSO:ALSO) := (FELSO:ALSO) div R, with FELUL entering the high half at
// position 255; the halves are then brought back to their rules.
void EGY_JEGGYEL_LE(EGESZSZAM& ALSO, EGESZSZAM& FELSO, int FELUL) {
  for (int I = 0; I < MAXPONTOSSAG; ++I) ALSO.JEGY[I] = ALSO.JEGY[I + 1];
  ALSO.JEGY[MAXPONTOSSAG] = FELSO.JEGY[0];
  for (int I = 0; I < MAXPONTOSSAG; ++I) FELSO.JEGY[I] = FELSO.JEGY[I + 1];
  FELSO.JEGY[MAXPONTOSSAG] = FELUL;
  FELSO.HOSSZ = LEGFELSO(FELSO, MAXPONTOSSAG);
  ALSO.HOSSZ = NULLA_E(FELSO) ? LEGFELSO(ALSO, MAXPONTOSSAG) : MAXPONTOSSAG;
}

void TORTOSSZEADAS::FUTTAT(const TORT& A, const TORT& B, TORT& OSSZEG) {
  TUL = false;
  LNKO(A.NEVEZO, B.NEVEZO, KOZOS, C, D);  // g, b/g, d/g
  TSZ(A.SZAMLALO, D, E, F);               // a (d/g): low half E, high half F
  TSZ(B.SZAMLALO, C, KOZOS, G);           // c (b/g): low half KOZOS, high half G

  // Set when the numerator reaches R^512: its high half then carried out of
  // position 255 too.
  bool SZAMLALO_ATVITEL = false;
  if (E.ELOJEL == KOZOS.ELOJEL) {
    TOROL(C);
    OSSZEAD(E, KOZOS, C);
    if (TULCSORDULT) {
      // The low halves' sum ran past position 255 and the addition dropped the
      // carry: add it to the first cross product's high half instead.
      TULCSORDULT = false;
      TUL = true;
      EGESZSZAM EGY_R = EGY_SZAMRENDSZERBEN(E.SZAMRENDSZER);
      const bool POZITIV = E.ELOJEL == POZ;
      TOROL(E);
      if (POZITIV) {
        OSSZEAD(F, EGY_R, E);
      } else {
        KIVON(F, EGY_R, E);
      }
      F = E;
    }
    if (TUL) {
      TOROL(E);
      OSSZEAD(F, G, E);
      if (TULCSORDULT) {
        TULCSORDULT = false;
        SZAMLALO_ATVITEL = true;
      }
      C.HOSSZ = MAXPONTOSSAG;
    } else {
      NULLAZ(E, C);
    }
  } else if (TUL) {
    // Opposite signs and a high half that is not zero: take the smaller cross
    // product from the larger in double length.
    SZAMRENDSZER = E.SZAMRENDSZER;
    NULLAZ(H, E);
    const bool ELSO = NAGYOBB(F, G) && (!EGYENLO(F, G) || NAGYOBB(E, KOZOS));
    const EGESZSZAM& KISEBBITENDO1 = ELSO ? F : G;
    const EGESZSZAM& KISEBBITENDO0 = ELSO ? E : KOZOS;
    const EGESZSZAM& KIVONANDO1 = ELSO ? G : F;
    const EGESZSZAM& KIVONANDO0 = ELSO ? KOZOS : E;
    const int HOSSZ = KISEBBITENDO1.HOSSZ;
    TK(KISEBBITENDO1.JEGY, KISEBBITENDO0.JEGY, KIVONANDO1.JEGY, KIVONANDO0.JEGY, H.JEGY, C.JEGY, HOSSZ);
    H.ELOJEL = KISEBBITENDO1.ELOJEL;
    C.ELOJEL = KISEBBITENDO1.ELOJEL;
    E = H;
    E.SZAMRENDSZER = SZAMRENDSZER;
    C.SZAMRENDSZER = SZAMRENDSZER;
    TH(E, C, HOSSZ);
  } else {
    // Opposite signs in single length: the integer sum subtracts.
    TOROL(C);
    OSSZEAD(E, KOZOS, C);
    NULLAZ(E, C);
  }

  TSZ(A.NEVEZO, D, F, KOZOS);  // b (d/g): low half F, high half KOZOS

  if (SZAMLALO_ATVITEL) {
    // Keep the numerator's carry as one more digit: drop one digit from
    // numerator and denominator alike before the cut drops the rest.
    EGY_JEGGYEL_LE(C, E, 1);
    EGY_JEGGYEL_LE(F, KOZOS, 0);
  }
  if (TUL) {
    EGYSZERUSIT(C, E, F, KOZOS, OSSZEG.SZAMLALO, OSSZEG.NEVEZO);
  } else {
    OSSZEG.SZAMLALO = C;
    OSSZEG.NEVEZO = F;
  }
}

}  // namespace

void TORTOSSZEAD(const TORT& A, const TORT& B, TORT& OSSZEG) {
  // With the flag raised the integer operations do no digit work: there is no
  // sum to form.
  if (TULCSORDULT) return;
  // A zero denominator has no sum either; report it as the integer division does.
  if (NULLA_E(A.NEVEZO) || NULLA_E(B.NEVEZO)) {
    TULCSORDULT = true;
    return;
  }
  TORTOSSZEADAS MUNKA;
  MUNKA.FUTTAT(A, B, OSSZEG);
}

}  // namespace raciona5
