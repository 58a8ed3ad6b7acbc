// The SGP4/SDP4 propagator of one satellite: model choice, the near-earth
// constants and propagation, and the final state both models share.
#include "orbit/SGP4.h"

#include <cmath>

#include "orbit/OrbitConstants.h"

namespace orbit {

SGP4::SGP4(const Tle& tle) : m_elements(tle) { Initialise(); }

void SGP4::SetTle(const Tle& tle)
{
    m_elements = OrbitalElements(tle);
    Initialise();
}

void SGP4::Reset()
{
    m_use_simple_model = false;
    m_use_deep_space = false;
    m_common = CommonConstants{};
    m_nearspace = NearSpaceConstants{};
    m_deepspace = DeepSpaceConstants{};
    m_integrator = IntegratorParams{};
}

void SGP4::RecomputeConstants(double xinc, double& sinio, double& cosio, double& x3thm1, double& x1mth2,
                              double& x7thm1, double& xlcof, double& aycof)
{
    sinio = std::sin(xinc);
    cosio = std::cos(xinc);
    const double theta2 = cosio * cosio;
    x3thm1 = 3.0 * theta2 - 1.0;
    x1mth2 = 1.0 - theta2;
    x7thm1 = 7.0 * theta2 - 1.0;
    // 1 + cos i vanishes for a retrograde equatorial orbit.
    if (std::fabs(cosio + 1.0) > kXlcofGuard)
        xlcof = kA3OVK2x0125 * sinio * (3.0 + 5.0 * cosio) / (1.0 + cosio);
    else
        xlcof = kA3OVK2x0125 * sinio * (3.0 + 5.0 * cosio) / kXlcofGuard;
    aycof = kA3OVK2x025 * sinio;
}

void SGP4::Initialise()
{
    Reset();

    // NaN elements fail these tests too.
    if (!(m_elements.eccentricity >= 0.0 && m_elements.eccentricity <= 0.999))
        throw SatelliteException("Eccentricity out of range");
    if (!(m_elements.inclination >= 0.0 && m_elements.inclination <= kPI))
        throw SatelliteException("Inclination out of range");

    // --- inclination terms ---
    RecomputeConstants(m_elements.inclination, m_common.sinio, m_common.cosio, m_common.x3thm1,
                       m_common.x1mth2, m_common.x7thm1, m_common.xlcof, m_common.aycof);
    const double theta2 = m_common.cosio * m_common.cosio;
    const double eosq = m_elements.eccentricity * m_elements.eccentricity;
    const double betao2 = 1.0 - eosq;
    const double betao = std::sqrt(betao2);

    // --- model choice ---
    if (m_elements.period >= kDeepSpacePeriod)
        m_use_deep_space = true;
    else if (m_elements.perigee < kSimpleModelPerigee)
        m_use_simple_model = true;

    // --- atmospheric density for low perigees ---
    double s4 = kS;
    double qoms24 = kQOMS2T;
    if (m_elements.perigee < 156.0) {
        s4 = m_elements.perigee - 78.0;
        if (m_elements.perigee < 98.0) s4 = 20.0;
        qoms24 = std::pow((120.0 - s4) / kXKMPER, 4.0);
        s4 = s4 / kXKMPER + 1.0;
    }

    // --- drag coefficients ---
    const double a0 = m_elements.recovered_semi_major_axis;
    const double n0 = m_elements.recovered_mean_motion;
    const double e0 = m_elements.eccentricity;
    const double bstar = m_elements.bstar;
    const double pinvsq = 1.0 / (a0 * a0 * betao2 * betao2);
    const double tsi = 1.0 / (a0 - s4);
    m_common.eta = a0 * e0 * tsi;
    const double etasq = m_common.eta * m_common.eta;
    const double eeta = e0 * m_common.eta;
    const double psisq = std::fabs(1.0 - etasq);
    const double coef = qoms24 * std::pow(tsi, 4.0);
    const double coef1 = coef / std::pow(psisq, 3.5);
    const double c2 = coef1 * n0 *
                      (a0 * (1.0 + 1.5 * etasq + eeta * (4.0 + etasq)) +
                       kCK2x075 * tsi / psisq * m_common.x3thm1 * (8.0 + 3.0 * etasq * (8.0 + etasq)));
    m_common.c1 = bstar * c2;
    m_common.c4 = 2.0 * n0 * coef1 * a0 * betao2 *
                  (m_common.eta * (2.0 + 0.5 * etasq) + e0 * (0.5 + 2.0 * etasq) -
                   kCK2x2 * tsi / (a0 * psisq) *
                       (-3.0 * m_common.x3thm1 * (1.0 - 2.0 * eeta + etasq * (1.5 - 0.5 * eeta)) +
                        0.75 * m_common.x1mth2 * (2.0 * etasq - eeta * (1.0 + etasq)) *
                            std::cos(2.0 * m_elements.argument_perigee)));

    // --- secular rates ---
    const double theta4 = theta2 * theta2;
    const double temp1 = kCK2x3 * pinvsq * n0;
    const double temp2 = kCK2 * temp1 * pinvsq;
    const double temp3 = kCK4x125 * pinvsq * pinvsq * n0;
    m_common.xmdot = n0 + 0.5 * temp1 * betao * m_common.x3thm1 +
                     0.0625 * temp2 * betao * (13.0 - 78.0 * theta2 + 137.0 * theta4);
    m_common.omgdot = -0.5 * temp1 * (1.0 - 5.0 * theta2) +
                      0.0625 * temp2 * (7.0 - 114.0 * theta2 + 395.0 * theta4) +
                      temp3 * (3.0 - 36.0 * theta2 + 49.0 * theta4);
    const double xhdot1 = -temp1 * m_common.cosio;
    m_common.xnodot =
        xhdot1 + (0.5 * temp2 * (4.0 - 19.0 * theta2) + 2.0 * temp3 * (3.0 - 7.0 * theta2)) * m_common.cosio;
    m_common.xnodcf = 3.5 * betao2 * xhdot1 * m_common.c1;
    m_common.t2cof = 1.5 * m_common.c1;

    if (m_use_deep_space) {
        m_deepspace.gsto = m_elements.epoch.ToGreenwichSiderealTime();
        DeepSpaceInitialise(eosq, m_common.sinio, m_common.cosio, betao, theta2, betao2, m_common.xmdot,
                            m_common.omgdot, m_common.xnodot);
        return;
    }

    // --- near-earth terms ---
    m_nearspace.c5 = 2.0 * coef1 * a0 * betao2 * (1.0 + 2.75 * (etasq + eeta) + eeta * etasq);
    double c3 = 0.0;
    if (e0 > 1.0e-4) {
        c3 = coef * tsi * kA3OVK2 * n0 * m_common.sinio / e0;
        m_nearspace.xmcof = -0.6666666666666666 * coef * bstar / eeta;
    }
    m_nearspace.omgcof = bstar * c3 * std::cos(m_elements.argument_perigee);
    m_nearspace.delmo = std::pow(1.0 + m_common.eta * std::cos(m_elements.mean_anomaly), 3.0);
    m_nearspace.sinmo = std::sin(m_elements.mean_anomaly);

    if (m_use_simple_model) return;

    const double c1 = m_common.c1;
    const double c1sq = c1 * c1;
    m_nearspace.d2 = 4.0 * a0 * tsi * c1sq;
    const double temp = m_nearspace.d2 * tsi * c1 / 3.0;
    m_nearspace.d3 = (17.0 * a0 + s4) * temp;
    m_nearspace.d4 = 0.5 * temp * a0 * tsi * (221.0 * a0 + 31.0 * s4) * c1;
    m_nearspace.t3cof = m_nearspace.d2 + 2.0 * c1sq;
    m_nearspace.t4cof = 0.25 * (3.0 * m_nearspace.d3 + c1 * (12.0 * m_nearspace.d2 + 10.0 * c1sq));
    m_nearspace.t5cof =
        0.2 * (3.0 * m_nearspace.d4 + 12.0 * c1 * m_nearspace.d3 + 6.0 * m_nearspace.d2 * m_nearspace.d2 +
               15.0 * c1sq * (2.0 * m_nearspace.d2 + c1sq));
}

Eci SGP4::FindPosition(double tsince) const
{
    if (m_use_deep_space) return FindPositionSDP4(tsince);
    return FindPositionSGP4(tsince);
}

Eci SGP4::FindPosition(const DateTime& dt) const
{
    return FindPosition(static_cast<double>(dt - m_elements.epoch) / static_cast<double>(kTicksPerMinute));
}

Eci SGP4::FindPositionSGP4(double tsince) const
{
    const double t = tsince;

    // --- secular gravity ---
    const double xmdf = m_elements.mean_anomaly + m_common.xmdot * t;
    const double omgadf = m_elements.argument_perigee + m_common.omgdot * t;
    const double xnoddf = m_elements.ascending_node + m_common.xnodot * t;
    double omega = omgadf;
    double xmp = xmdf;
    const double tsq = t * t;
    const double xnode = xnoddf + m_common.xnodcf * tsq;

    // --- secular drag ---
    double tempa = 1.0 - m_common.c1 * t;
    double tempe = m_elements.bstar * m_common.c4 * t;
    double templ = m_common.t2cof * tsq;
    if (!m_use_simple_model) {
        const double delomg = m_nearspace.omgcof * t;
        const double delm =
            m_nearspace.xmcof * (std::pow(1.0 + m_common.eta * std::cos(xmdf), 3.0) - m_nearspace.delmo);
        const double temp = delomg + delm;
        xmp = xmdf + temp;
        omega = omgadf - temp;
        const double tcube = tsq * t;
        const double tfour = t * tcube;
        tempa = tempa - m_nearspace.d2 * tsq - m_nearspace.d3 * tcube - m_nearspace.d4 * tfour;
        tempe = tempe + m_elements.bstar * m_nearspace.c5 * (std::sin(xmp) - m_nearspace.sinmo);
        templ = templ + m_nearspace.t3cof * tcube + tfour * (m_nearspace.t4cof + t * m_nearspace.t5cof);
    }
    const double a = m_elements.recovered_semi_major_axis * tempa * tempa;
    double e = m_elements.eccentricity - tempe;
    const double xl = xmp + omega + xnode + m_elements.recovered_mean_motion * templ;

    if (e <= -0.001) throw SatelliteException("Error: (e <= -0.001)");
    if (e < 1.0e-6)
        e = 1.0e-6;
    else if (e > 0.999999)
        e = 0.999999;

    return CalculateFinalPositionVelocity(
        m_elements.epoch.AddMinutes(t), e, a, omega, xl, xnode, m_elements.inclination, m_common.xlcof,
        m_common.aycof, m_common.x3thm1, m_common.x1mth2, m_common.x7thm1, m_common.cosio, m_common.sinio);
}

Eci SGP4::CalculateFinalPositionVelocity(const DateTime& dt, double e, double a, double omega, double xl,
                                         double xnode, double xinc, double xlcof, double aycof, double x3thm1,
                                         double x1mth2, double x7thm1, double cosio, double sinio)
{
    const double xn = kXKE / std::pow(a, 1.5);

    // --- long-period periodics ---
    const double axn = e * std::cos(omega);
    double temp = 1.0 / (a * (1.0 - e * e));
    const double aynl = aycof * temp;
    const double ayn = e * std::sin(omega) + aynl;
    const double elsq = axn * axn + ayn * ayn;
    if (elsq >= 1.0) throw SatelliteException("Error: (elsq >= 1.0)");

    const double xll = temp * xlcof * axn;
    const double xlt = xl + xll;
    const double capu = std::fmod(xlt - xnode, kTWOPI);

    // --- Kepler's equation ---
    double epw = capu;
    double sinepw = 0.0;
    double cosepw = 0.0;
    double ecose = 0.0;
    double esine = 0.0;
    const double max_newton_raphson = 1.25 * std::fabs(std::sqrt(elsq));
    const double min_newton_raphson = -max_newton_raphson;
    for (int i = 0; i < kKeplerMaxPasses; ++i) {
        sinepw = std::sin(epw);
        cosepw = std::cos(epw);
        ecose = axn * cosepw + ayn * sinepw;
        esine = axn * sinepw - ayn * cosepw;
        const double f = capu - epw + esine;
        if (std::fabs(f) < kKeplerTolerance || i == kKeplerMaxPasses - 1) break;
        const double fdot = 1.0 - ecose;
        double delta_epw = f / fdot;
        if (i == 0) {
            // First step: first order, bounded so a large eccentricity
            // cannot throw it far off.
            if (delta_epw > max_newton_raphson)
                delta_epw = max_newton_raphson;
            else if (delta_epw < min_newton_raphson)
                delta_epw = min_newton_raphson;
        }
        else {
            delta_epw = f / (fdot + 0.5 * esine * delta_epw);
        }
        epw += delta_epw;
    }

    // --- short-period preliminaries ---
    temp = 1.0 - elsq;
    const double pl = a * temp;
    if (pl < 0.0) throw SatelliteException("Error: (pl < 0.0)");

    const double r = a * (1.0 - ecose);
    double temp1 = 1.0 / r;
    const double rdot = kXKE * std::sqrt(a) * esine * temp1;
    const double rfdot = kXKE * std::sqrt(pl) * temp1;
    double temp2 = a * temp1;
    const double betal = std::sqrt(temp);
    const double temp3 = 1.0 / (1.0 + betal);
    const double cosu = temp2 * (cosepw - axn + ayn * esine * temp3);
    const double sinu = temp2 * (sinepw - ayn - axn * esine * temp3);
    const double u = std::atan2(sinu, cosu);
    const double sin2u = 2.0 * sinu * cosu;
    const double cos2u = 2.0 * cosu * cosu - 1.0;
    temp = 1.0 / pl;
    temp1 = kCK2 * temp;
    temp2 = temp1 * temp;

    // --- short-period periodics ---
    const double rk = r * (1.0 - 1.5 * temp2 * betal * x3thm1) + 0.5 * temp1 * x1mth2 * cos2u;
    const double uk = u - 0.25 * temp2 * x7thm1 * sin2u;
    const double xnodek = xnode + 1.5 * temp2 * cosio * sin2u;
    const double xinck = xinc + 1.5 * temp2 * cosio * sinio * cos2u;
    const double rdotk = rdot - xn * temp1 * x1mth2 * sin2u;
    const double rfdotk = rfdot + xn * temp1 * (x1mth2 * cos2u + 1.5 * x3thm1);

    // --- orientation vectors ---
    const double sinuk = std::sin(uk);
    const double cosuk = std::cos(uk);
    const double sinik = std::sin(xinck);
    const double cosik = std::cos(xinck);
    const double sinnok = std::sin(xnodek);
    const double cosnok = std::cos(xnodek);
    const double xmx = -sinnok * cosik;
    const double xmy = cosnok * cosik;
    const double ux = xmx * sinuk + cosnok * cosuk;
    const double uy = xmy * sinuk + sinnok * cosuk;
    const double uz = sinik * sinuk;
    const double vx = xmx * cosuk - cosnok * sinuk;
    const double vy = xmy * cosuk - sinnok * sinuk;
    const double vz = sinik * cosuk;

    // --- position (km) and velocity (km/s) ---
    Vector position;
    position.x = rk * ux * kXKMPER;
    position.y = rk * uy * kXKMPER;
    position.z = rk * uz * kXKMPER;
    Vector velocity;
    velocity.x = (rdotk * ux + rfdotk * vx) * kXKMPER / 60.0;
    velocity.y = (rdotk * uy + rfdotk * vy) * kXKMPER / 60.0;
    velocity.z = (rdotk * uz + rfdotk * vz) * kXKMPER / 60.0;

    if (rk < 1.0) throw DecayedException(dt, position, velocity);

    // Absurd elements (a zero or negative mean motion) give NaN or infinite
    // states that no test above catches; they must not reach the map.
    if (!std::isfinite(position.x) || !std::isfinite(position.y) || !std::isfinite(position.z) ||
        !std::isfinite(velocity.x) || !std::isfinite(velocity.y) || !std::isfinite(velocity.z))
        throw SatelliteException("Error: (state is not finite)");

    return Eci(dt, position, velocity);
}

}  // namespace orbit
