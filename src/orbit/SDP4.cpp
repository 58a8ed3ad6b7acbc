// The deep-space branch of the propagator: lunar and solar terms and the
// resonance integrator for orbits of 225 minutes or more.
#include <cmath>
#include <initializer_list>

#include "orbit/OrbitConstants.h"
#include "orbit/SGP4.h"

namespace orbit {

namespace {

double s_wrap(double a) { return DateTime::WrapTwoPi(a); }

// The half-day resonance's eccentricity functions, c0 + c1 e + c2 e^2 + c3 e^3:
// one row per function and range of e.
using GPoly = double[4];
constexpr GPoly kG211Low = {3.616, -13.247, 16.29, 0.0};
constexpr GPoly kG211High = {-72.099, 331.819, -508.738, 266.724};
constexpr GPoly kG310Low = {-19.302, 117.39, -228.419, 156.591};
constexpr GPoly kG310High = {-346.844, 1582.851, -2415.925, 1246.113};
constexpr GPoly kG322Low = {-18.9068, 109.7927, -214.6334, 146.5816};
constexpr GPoly kG322High = {-342.585, 1554.908, -2366.899, 1215.972};
constexpr GPoly kG410Low = {-41.122, 242.694, -471.094, 313.953};
constexpr GPoly kG410High = {-1052.797, 4758.686, -7193.992, 3651.957};
constexpr GPoly kG422Low = {-146.407, 841.88, -1629.014, 1083.435};
constexpr GPoly kG422High = {-3581.69, 16178.11, -24462.77, 12422.52};
constexpr GPoly kG520Low = {-532.114, 3017.977, -5740.032, 3708.276};
constexpr GPoly kG520Mid = {1464.74, -4664.75, 3763.64, 0.0};
constexpr GPoly kG520High = {-5149.66, 29936.92, -54087.36, 31324.56};
constexpr GPoly kG533Low = {-919.2277, 4988.61, -9064.77, 5542.21};
constexpr GPoly kG533High = {-37995.78, 161616.52, -229838.2, 109377.94};
constexpr GPoly kG521Low = {-822.71072, 4568.6173, -8491.4146, 5337.524};
constexpr GPoly kG521High = {-51752.104, 218913.95, -309468.16, 146349.42};
constexpr GPoly kG532Low = {-853.666, 4690.25, -8624.77, 5341.4};
constexpr GPoly kG532High = {-40023.88, 170470.89, -242699.48, 115605.82};

double s_gPoly(const GPoly& c, double e, double eosq)
{
    return c[0] + c[1] * e + c[2] * eosq + c[3] * (e * eosq);
}

// One body's (sun or moon) long-period and secular coefficients.
struct BodyTerms {
    double se, si, sl, sgh, sh;
    double e2, e3, i2, i3, l2, l3, l4, gh2, gh3, gh4, h2, h3;
};

struct BodyGeometry {
    double zcosg, zsing, zcosi, zsini, zcosh, zsinh, cc, zn, ze;
};

BodyTerms s_bodyTerms(const BodyGeometry& g, double eosq, double e0, double xincl, double sinio, double cosio,
                      double sinomo, double cosomo, double betao, double betao2, double xnoi)
{
    const double a1 = g.zcosg * g.zcosh + g.zsing * g.zcosi * g.zsinh;
    const double a3 = -g.zsing * g.zcosh + g.zcosg * g.zcosi * g.zsinh;
    const double a7 = -g.zcosg * g.zsinh + g.zsing * g.zcosi * g.zcosh;
    const double a8 = g.zsing * g.zsini;
    const double a9 = g.zsing * g.zsinh + g.zcosg * g.zcosi * g.zcosh;
    const double a10 = g.zcosg * g.zsini;
    const double a2 = cosio * a7 + sinio * a8;
    const double a4 = cosio * a9 + sinio * a10;
    const double a5 = -sinio * a7 + cosio * a8;
    const double a6 = -sinio * a9 + cosio * a10;

    const double x1 = a1 * cosomo + a2 * sinomo;
    const double x2 = a3 * cosomo + a4 * sinomo;
    const double x3 = -a1 * sinomo + a2 * cosomo;
    const double x4 = -a3 * sinomo + a4 * cosomo;
    const double x5 = a5 * sinomo;
    const double x6 = a6 * sinomo;
    const double x7 = a5 * cosomo;
    const double x8 = a6 * cosomo;

    const double z31 = 12.0 * x1 * x1 - 3.0 * x3 * x3;
    const double z32 = 24.0 * x1 * x2 - 6.0 * x3 * x4;
    const double z33 = 12.0 * x2 * x2 - 3.0 * x4 * x4;
    double z1 = 3.0 * (a1 * a1 + a2 * a2) + z31 * eosq;
    double z2 = 6.0 * (a1 * a3 + a2 * a4) + z32 * eosq;
    double z3 = 3.0 * (a3 * a3 + a4 * a4) + z33 * eosq;
    const double z11 = -6.0 * a1 * a5 + eosq * (-24.0 * x1 * x7 - 6.0 * x3 * x5);
    const double z12 =
        -6.0 * (a1 * a6 + a3 * a5) + eosq * (-24.0 * (x2 * x7 + x1 * x8) - 6.0 * (x3 * x6 + x4 * x5));
    const double z13 = -6.0 * a3 * a6 + eosq * (-24.0 * x2 * x8 - 6.0 * x4 * x6);
    const double z21 = 6.0 * a2 * a5 + eosq * (24.0 * x1 * x5 - 6.0 * x3 * x7);
    const double z22 =
        6.0 * (a4 * a5 + a2 * a6) + eosq * (24.0 * (x2 * x5 + x1 * x6) - 6.0 * (x4 * x7 + x3 * x8));
    const double z23 = 6.0 * a4 * a6 + eosq * (24.0 * x2 * x6 - 6.0 * x4 * x8);
    z1 = z1 + z1 + betao2 * z31;
    z2 = z2 + z2 + betao2 * z32;
    z3 = z3 + z3 + betao2 * z33;

    const double s3 = g.cc * xnoi;
    const double s2 = -0.5 * s3 / betao;
    const double s4 = s3 * betao;
    const double s1 = -15.0 * e0 * s4;
    const double s5 = x1 * x3 + x2 * x4;
    const double s6 = x2 * x3 + x1 * x4;
    const double s7 = x2 * x4 - x1 * x3;

    BodyTerms b;
    b.se = s1 * g.zn * s5;
    b.si = s2 * g.zn * (z11 + z13);
    b.sl = -g.zn * s3 * (z1 + z3 - 14.0 - 6.0 * eosq);
    b.sgh = s4 * g.zn * (z31 + z33 - 6.0);
    // Near-equatorial orbits have no defined node rate (divided by sin i).
    if (xincl < kShInclMin || xincl > kShInclMax)
        b.sh = 0.0;
    else
        b.sh = -g.zn * s2 * (z21 + z23) / sinio;

    b.e2 = 2.0 * s1 * s6;
    b.e3 = 2.0 * s1 * s7;
    b.i2 = 2.0 * s2 * z12;
    b.i3 = 2.0 * s2 * (z13 - z11);
    b.l2 = -2.0 * s3 * z2;
    b.l3 = -2.0 * s3 * (z3 - z1);
    b.l4 = -2.0 * s3 * (-21.0 - 9.0 * eosq) * g.ze;
    b.gh2 = 2.0 * s4 * z32;
    b.gh3 = 2.0 * s4 * (z33 - z31);
    b.gh4 = -18.0 * s4 * g.ze;
    b.h2 = -2.0 * s2 * z22;
    b.h3 = -2.0 * s2 * (z23 - z21);
    return b;
}

}  // namespace

void SGP4::DeepSpaceInitialise(double eosq, double sinio, double cosio, double betao, double theta2,
                               double betao2, double xmdot, double omgdot, double xnodot)
{
    DeepSpaceConstants& ds = m_deepspace;
    const double e0 = m_elements.eccentricity;
    const double n0 = m_elements.recovered_mean_motion;

    const double aqnv = 1.0 / m_elements.recovered_semi_major_axis;
    const double sinq = std::sin(m_elements.ascending_node);
    const double cosq = std::cos(m_elements.ascending_node);
    const double sinomo = std::sin(m_elements.argument_perigee);
    const double cosomo = std::cos(m_elements.argument_perigee);

    // --- the moon's orbit at the epoch ---
    const double day = m_elements.epoch.ToJulian() - 2415020.0;
    const double xnodce = s_wrap(4.523602 - 0.00092422029 * day);
    const double stem = std::sin(xnodce);
    const double ctem = std::cos(xnodce);
    const double zcosil = 0.91375164 - 0.03568096 * ctem;
    const double zsinil = std::sqrt(1.0 - zcosil * zcosil);
    const double zsinhl = 0.089683511 * stem / zsinil;
    const double zcoshl = std::sqrt(1.0 - zsinhl * zsinhl);
    const double gam = 5.8351514 + 0.001944368 * day;
    ds.zmol = s_wrap(4.7199672 + 0.2299715 * day - gam);
    double zx = std::atan2(0.39785416 * stem / zsinil, zcoshl * ctem + 0.91744867 * zsinhl * stem);
    zx = gam + zx - xnodce;
    const double zcosgl = std::cos(zx);
    const double zsingl = std::sin(zx);
    ds.zmos = s_wrap(6.2565837 + 0.017201977 * day);

    // --- solar, then lunar terms ---
    const double xnoi = 1.0 / n0;
    const BodyGeometry sun{kZCOSGS, kZSINGS, kZCOSIS, kZSINIS, cosq, sinq, kC1SS, kZNS, kZES};
    const BodyGeometry moon{
        zcosgl, zsingl, zcosil, zsinil, zcoshl * cosq + zsinhl * sinq, sinq * zcoshl - cosq * zsinhl,
        kC1L,   kZNL,   kZEL};
    const double xincl = m_elements.inclination;
    const BodyTerms s = s_bodyTerms(sun, eosq, e0, xincl, sinio, cosio, sinomo, cosomo, betao, betao2, xnoi);
    const BodyTerms l = s_bodyTerms(moon, eosq, e0, xincl, sinio, cosio, sinomo, cosomo, betao, betao2, xnoi);

    ds.se2 = s.e2;
    ds.se3 = s.e3;
    ds.si2 = s.i2;
    ds.si3 = s.i3;
    ds.sl2 = s.l2;
    ds.sl3 = s.l3;
    ds.sl4 = s.l4;
    ds.sgh2 = s.gh2;
    ds.sgh3 = s.gh3;
    ds.sgh4 = s.gh4;
    ds.sh2 = s.h2;
    ds.sh3 = s.h3;
    ds.ee2 = l.e2;
    ds.e3 = l.e3;
    ds.xi2 = l.i2;
    ds.xi3 = l.i3;
    ds.xl2 = l.l2;
    ds.xl3 = l.l3;
    ds.xl4 = l.l4;
    ds.xgh2 = l.gh2;
    ds.xgh3 = l.gh3;
    ds.xgh4 = l.gh4;
    ds.xh2 = l.h2;
    ds.xh3 = l.h3;

    // --- secular rates, sun plus moon ---
    ds.sse = s.se + l.se;
    ds.ssi = s.si + l.si;
    ds.ssl = s.sl + l.sl;
    ds.ssg = (s.sgh - cosio * s.sh) + (l.sgh - cosio * l.sh);
    ds.ssh = s.sh + l.sh;

    // --- resonance ---
    ds.resonance = 0;
    double bfact = 0.0;
    if (n0 < 0.0052359877) {
        if (n0 <= 0.0034906585) return;
        // one-day (synchronous) resonance
        ds.resonance = 2;
        const double g200 = 1.0 + eosq * (-2.5 + 0.8125 * eosq);
        const double g310 = 1.0 + 2.0 * eosq;
        const double g300 = 1.0 + eosq * (-6.0 + 6.60937 * eosq);
        const double f220 = 0.75 * (1.0 + cosio) * (1.0 + cosio);
        const double f311 = 0.9375 * sinio * sinio * (1.0 + 3.0 * cosio) - 0.75 * (1.0 + cosio);
        double f330 = 1.0 + cosio;
        f330 = 1.875 * f330 * f330 * f330;
        const double del1 = 3.0 * n0 * n0 * aqnv * aqnv;
        ds.del2 = 2.0 * del1 * f220 * g200 * kQ22;
        ds.del3 = 3.0 * del1 * f330 * g300 * kQ33 * aqnv;
        ds.del1 = del1 * f311 * g310 * kQ31 * aqnv;
        ds.xlamo = s_wrap(m_elements.mean_anomaly + m_elements.ascending_node + m_elements.argument_perigee -
                          ds.gsto);
        bfact = xmdot + omgdot + xnodot - kTHDT + ds.ssl + ds.ssg + ds.ssh;
    }
    else {
        if (n0 < 0.00826 || n0 > 0.00924 || e0 < 0.5) return;
        // half-day resonance
        ds.resonance = 1;
        const double g201 = -0.306 - (e0 - 0.64) * 0.44;
        const double g211 = s_gPoly(e0 <= 0.65 ? kG211Low : kG211High, e0, eosq);
        const double g310 = s_gPoly(e0 <= 0.65 ? kG310Low : kG310High, e0, eosq);
        const double g322 = s_gPoly(e0 <= 0.65 ? kG322Low : kG322High, e0, eosq);
        const double g410 = s_gPoly(e0 <= 0.65 ? kG410Low : kG410High, e0, eosq);
        const double g422 = s_gPoly(e0 <= 0.65 ? kG422Low : kG422High, e0, eosq);
        const double g520 = s_gPoly(e0 <= 0.65 ? kG520Low : (e0 <= 0.715 ? kG520Mid : kG520High), e0, eosq);
        const double g533 = s_gPoly(e0 < 0.7 ? kG533Low : kG533High, e0, eosq);
        const double g521 = s_gPoly(e0 < 0.7 ? kG521Low : kG521High, e0, eosq);
        const double g532 = s_gPoly(e0 < 0.7 ? kG532Low : kG532High, e0, eosq);

        const double sini2 = sinio * sinio;
        const double f220 = 0.75 * (1.0 + 2.0 * cosio + theta2);
        const double f221 = 1.5 * sini2;
        const double f321 = 1.875 * sinio * (1.0 - 2.0 * cosio - 3.0 * theta2);
        const double f322 = -1.875 * sinio * (1.0 + 2.0 * cosio - 3.0 * theta2);
        const double f441 = 35.0 * sini2 * f220;
        const double f442 = 39.375 * sini2 * sini2;
        const double f522 =
            9.84375 * sinio *
            (sini2 * (1.0 - 2.0 * cosio - 5.0 * theta2) + 0.33333333 * (-2.0 + 4.0 * cosio + 6.0 * theta2));
        const double f523 = sinio * (4.92187512 * sini2 * (-2.0 - 4.0 * cosio + 10.0 * theta2) +
                                     6.56250012 * (1.0 + 2.0 * cosio - 3.0 * theta2));
        const double f542 =
            29.53125 * sinio * (2.0 - 8.0 * cosio + theta2 * (-12.0 + 8.0 * cosio + 10.0 * theta2));
        const double f543 =
            29.53125 * sinio * (-2.0 - 8.0 * cosio + theta2 * (12.0 + 8.0 * cosio - 10.0 * theta2));

        double temp1 = 3.0 * n0 * n0 * aqnv * aqnv;
        double temp = temp1 * kROOT22;
        ds.d2201 = temp * f220 * g201;
        ds.d2211 = temp * f221 * g211;
        temp1 = temp1 * aqnv;
        temp = temp1 * kROOT32;
        ds.d3210 = temp * f321 * g310;
        ds.d3222 = temp * f322 * g322;
        temp1 = temp1 * aqnv;
        temp = 2.0 * temp1 * kROOT44;
        ds.d4410 = temp * f441 * g410;
        ds.d4422 = temp * f442 * g422;
        temp1 = temp1 * aqnv;
        temp = temp1 * kROOT52;
        ds.d5220 = temp * f522 * g520;
        ds.d5232 = temp * f523 * g532;
        temp = 2.0 * temp1 * kROOT54;
        ds.d5421 = temp * f542 * g521;
        ds.d5433 = temp * f543 * g533;
        ds.xlamo = s_wrap(m_elements.mean_anomaly + 2.0 * m_elements.ascending_node - 2.0 * ds.gsto);
        bfact = xmdot + 2.0 * xnodot - 2.0 * kTHDT + ds.ssl + 2.0 * ds.ssh;
    }

    // --- integrator start ---
    ds.xfact = bfact - n0;
    m_integrator.xli = ds.xlamo;
    m_integrator.xni = n0;
    m_integrator.atime = 0.0;
}

Eci SGP4::FindPositionSDP4(double tsince) const
{
    const double t = tsince;

    // --- secular gravity and drag ---
    double xmdf = m_elements.mean_anomaly + m_common.xmdot * t;
    double omgadf = m_elements.argument_perigee + m_common.omgdot * t;
    const double xnoddf = m_elements.ascending_node + m_common.xnodot * t;
    const double tsq = t * t;
    double xnode = xnoddf + m_common.xnodcf * tsq;
    const double tempa = 1.0 - m_common.c1 * t;
    const double tempe = m_elements.bstar * m_common.c4 * t;
    const double templ = m_common.t2cof * tsq;
    double xn = m_elements.recovered_mean_motion;
    double em = m_elements.eccentricity;
    double xinc = m_elements.inclination;

    DeepSpaceSecular(t, m_elements, m_common, m_deepspace, m_integrator, xmdf, omgadf, xnode, em, xinc, xn);

    if (xn <= 0.0) throw SatelliteException("Error: (xn <= 0.0)");

    const double a = std::pow(kXKE / xn, kTwoThirds) * tempa * tempa;
    double e = em - tempe;
    double xmam = xmdf + m_elements.recovered_mean_motion * templ;

    DeepSpacePeriodics(t, m_deepspace, e, xinc, omgadf, xnode, xmam);

    // A perturbed inclination below zero is the same orbit seen from the
    // other side of the node.
    if (xinc < 0.0) {
        xinc = -xinc;
        xnode = xnode + kPI;
        omgadf = omgadf - kPI;
    }

    const double xl = xmam + omgadf + xnode;

    if (e <= -0.001) throw SatelliteException("Error: (e <= -0.001)");
    if (e < 1.0e-6)
        e = 1.0e-6;
    else if (e > 0.999999)
        e = 0.999999;

    // The periodics moved the inclination, so its terms are taken anew.
    double sinio, cosio, x3thm1, x1mth2, x7thm1, xlcof, aycof;
    RecomputeConstants(xinc, sinio, cosio, x3thm1, x1mth2, x7thm1, xlcof, aycof);

    return CalculateFinalPositionVelocity(m_elements.epoch.AddMinutes(t), e, a, omgadf, xl, xnode, xinc,
                                          xlcof, aycof, x3thm1, x1mth2, x7thm1, cosio, sinio);
}

void SGP4::DeepSpaceSecular(double tsince, const OrbitalElements& elements,
                            const CommonConstants& c_constants, const DeepSpaceConstants& ds_constants,
                            IntegratorParams& integrator_params, double& xll, double& omgasm, double& xnodes,
                            double& em, double& xinc, double& xn)
{
    const double t = tsince;
    const DeepSpaceConstants& ds = ds_constants;
    IntegratorParams& ip = integrator_params;

    xll += ds.ssl * t;
    omgasm += ds.ssg * t;
    xnodes += ds.ssh * t;
    em += ds.sse * t;
    xinc += ds.ssi * t;

    if (ds.resonance == 0) return;

    // A time that is not finite would never end the stepping below.
    if (!std::isfinite(t)) throw SatelliteException("Error: (tsince is not finite)");
    // Every restart steps all the way from the epoch: an absurd epoch would
    // cost seconds per position, for a result that means nothing anyway.
    const double span = ds.resonance == 2 ? kSynchronousSpan : kHalfDaySpan;
    if (std::fabs(t) > span) throw SatelliteException("Error: (tsince too far from epoch)");
    // The element angles reach the sines taken in every step.
    for (double angle : {elements.mean_anomaly, elements.ascending_node, elements.argument_perigee})
        if (!(std::fabs(angle) <= kMaxIntegratorAngle))
            throw SatelliteException("Error: (angle too large for the integrator)");

    // Restart from the epoch unless the stored step lies between the
    // epoch and t, at least one step out.
    if (std::fabs(t) < kSTEP || t * ip.atime <= 0.0 || std::fabs(ip.atime) > std::fabs(t)) {
        ip.atime = 0.0;
        ip.xni = elements.recovered_mean_motion;
        ip.xli = ds.xlamo;
    }

    double xldot = 0.0;
    double xndot = 0.0;
    double xnddt = 0.0;
    double ft = 0.0;
    for (;;) {
        // --- derivatives at the stored step ---
        xldot = ip.xni + ds.xfact;
        if (ds.resonance == 2) {
            xndot = ds.del1 * std::sin(ip.xli - kFASX2) + ds.del2 * std::sin(2.0 * (ip.xli - kFASX4)) +
                    ds.del3 * std::sin(3.0 * (ip.xli - kFASX6));
            xnddt = (ds.del1 * std::cos(ip.xli - kFASX2) + 2.0 * ds.del2 * std::cos(2.0 * (ip.xli - kFASX4)) +
                     3.0 * ds.del3 * std::cos(3.0 * (ip.xli - kFASX6))) *
                    xldot;
        }
        else {
            const double xomi = elements.argument_perigee + c_constants.omgdot * ip.atime;
            const double x2omi = xomi + xomi;
            const double x2li = ip.xli + ip.xli;
            xndot = ds.d2201 * std::sin(x2omi + ip.xli - kG22) + ds.d2211 * std::sin(ip.xli - kG22) +
                    ds.d3210 * std::sin(xomi + ip.xli - kG32) + ds.d3222 * std::sin(-xomi + ip.xli - kG32) +
                    ds.d4410 * std::sin(x2omi + x2li - kG44) + ds.d4422 * std::sin(x2li - kG44) +
                    ds.d5220 * std::sin(xomi + ip.xli - kG52) + ds.d5232 * std::sin(-xomi + ip.xli - kG52) +
                    ds.d5421 * std::sin(xomi + x2li - kG54) + ds.d5433 * std::sin(-xomi + x2li - kG54);
            xnddt =
                (ds.d2201 * std::cos(x2omi + ip.xli - kG22) + ds.d2211 * std::cos(ip.xli - kG22) +
                 ds.d3210 * std::cos(xomi + ip.xli - kG32) + ds.d3222 * std::cos(-xomi + ip.xli - kG32) +
                 ds.d5220 * std::cos(xomi + ip.xli - kG52) + ds.d5232 * std::cos(-xomi + ip.xli - kG52) +
                 2.0 * (ds.d4410 * std::cos(x2omi + x2li - kG44) + ds.d4422 * std::cos(x2li - kG44) +
                        ds.d5421 * std::cos(xomi + x2li - kG54) + ds.d5433 * std::cos(-xomi + x2li - kG54))) *
                xldot;
        }

        ft = t - ip.atime;
        if (std::fabs(ft) < kSTEP) break;

        // --- one step of 720 minutes toward t ---
        const double delt = ft >= 0.0 ? kSTEP : -kSTEP;
        ip.xli = ip.xli + xldot * delt + xndot * kSTEP2;
        ip.xni = ip.xni + xndot * delt + xnddt * kSTEP2;
        ip.atime = ip.atime + delt;
    }

    xn = ip.xni + xndot * ft + xnddt * ft * ft * 0.5;
    const double xl = ip.xli + xldot * ft + xndot * ft * ft * 0.5;
    const double theta = s_wrap(ds.gsto + t * kTHDT);
    if (ds.resonance == 2)
        xll = xl + theta - xnodes - omgasm;
    else
        xll = xl + 2.0 * (theta - xnodes);
}

void SGP4::DeepSpacePeriodics(double tsince, const DeepSpaceConstants& ds_constants, double& em, double& xinc,
                              double& omgasm, double& xnodes, double& xll)
{
    const double t = tsince;
    const DeepSpaceConstants& ds = ds_constants;

    // --- sun ---
    double zm = ds.zmos + kZNS * t;
    double zf = zm + 2.0 * kZES * std::sin(zm);
    double sinzf = std::sin(zf);
    double f2 = 0.5 * sinzf * sinzf - 0.25;
    double f3 = -0.5 * sinzf * std::cos(zf);
    const double ses = ds.se2 * f2 + ds.se3 * f3;
    const double sis = ds.si2 * f2 + ds.si3 * f3;
    const double sls = ds.sl2 * f2 + ds.sl3 * f3 + ds.sl4 * sinzf;
    const double sghs = ds.sgh2 * f2 + ds.sgh3 * f3 + ds.sgh4 * sinzf;
    const double shs = ds.sh2 * f2 + ds.sh3 * f3;

    // --- moon ---
    zm = ds.zmol + kZNL * t;
    zf = zm + 2.0 * kZEL * std::sin(zm);
    sinzf = std::sin(zf);
    f2 = 0.5 * sinzf * sinzf - 0.25;
    f3 = -0.5 * sinzf * std::cos(zf);
    const double sel = ds.ee2 * f2 + ds.e3 * f3;
    const double sil = ds.xi2 * f2 + ds.xi3 * f3;
    const double sll = ds.xl2 * f2 + ds.xl3 * f3 + ds.xl4 * sinzf;
    const double sghl = ds.xgh2 * f2 + ds.xgh3 * f3 + ds.xgh4 * sinzf;
    const double shl = ds.xh2 * f2 + ds.xh3 * f3;

    // --- sum ---
    const double pe = ses + sel;
    const double pinc = sis + sil;
    const double pl = sls + sll;
    double pgh = sghs + sghl;
    double ph = shs + shl;

    xinc += pinc;
    em += pe;
    const double sinis = std::sin(xinc);
    const double cosis = std::cos(xinc);

    if (xinc >= 0.2) {
        ph = ph / sinis;
        pgh = pgh - cosis * ph;
        omgasm += pgh;
        xnodes += ph;
        xll += pl;
    }
    else {
        // Low inclinations: the node is ill-defined, so the periodics act on
        // the node vector instead (Lyddane's form).
        const double sinok = std::sin(xnodes);
        const double cosok = std::cos(xnodes);
        const double alfdp = sinis * sinok + ph * cosok + pinc * cosis * sinok;
        const double betdp = sinis * cosok - ph * sinok + pinc * cosis * cosok;
        const double xnoh = s_wrap(xnodes);
        xnodes = xnoh;
        const double xls = xll + omgasm + cosis * xnoh + pl + pgh - pinc * xnoh * sinis;
        xnodes = std::atan2(alfdp, betdp);
        if (std::fabs(xnoh - xnodes) > kPI) {
            if (xnodes < xnoh)
                xnodes += kTWOPI;
            else
                xnodes -= kTWOPI;
        }
        xll += pl;
        omgasm = xls - xll - cosis * xnodes;
    }
}

}  // namespace orbit
