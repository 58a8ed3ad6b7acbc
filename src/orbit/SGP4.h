// The SGP4/SDP4 propagator of one satellite: built once from its element
// set, it answers where the satellite is at any time, in the inertial frame.
#pragma once

#include <cstdint>

#include "orbit/DateTime.h"
#include "orbit/DecayedException.h"
#include "orbit/Eci.h"
#include "orbit/OrbitalElements.h"
#include "orbit/SatelliteException.h"
#include "orbit/Tle.h"

namespace orbit {

class SGP4 {
public:
    // Throws SatelliteException for elements the model cannot take.
    explicit SGP4(const Tle& tle);

    void SetTle(const Tle& tle);
    void Initialise();
    void Reset();

    // Minutes since the epoch (negative before it), or an absolute time.
    // Throw SatelliteException or DecayedException.
    Eci FindPosition(double tsince) const;
    Eci FindPosition(const DateTime& dt) const;

    // The two models behind FindPosition.
    Eci FindPositionSGP4(double tsince) const;
    Eci FindPositionSDP4(double tsince) const;

    struct CommonConstants {
        double cosio;
        double sinio;
        double eta;
        double t2cof;
        double x1mth2;
        double x3thm1;
        double x7thm1;
        double aycof;
        double xlcof;
        double xnodcf;
        double c1;
        double c4;
        double omgdot;
        double xnodot;
        double xmdot;
    };

    struct NearSpaceConstants {
        double c5;
        double omgcof;
        double xmcof;
        double delmo;
        double sinmo;
        double d2;
        double d3;
        double d4;
        double t3cof;
        double t4cof;
        double t5cof;
    };

    struct DeepSpaceConstants {
        double gsto;
        double zmol;
        double zmos;
        // secular rates, sun plus moon
        double sse;
        double ssi;
        double ssl;
        double ssg;
        double ssh;
        // solar long-period terms
        double se2;
        double si2;
        double sl2;
        double sgh2;
        double sh2;
        double se3;
        double si3;
        double sl3;
        double sgh3;
        double sh3;
        double sl4;
        double sgh4;
        // lunar long-period terms
        double ee2;
        double e3;
        double xi2;
        double xi3;
        double xl2;
        double xl3;
        double xl4;
        double xgh2;
        double xgh3;
        double xgh4;
        double xh2;
        double xh3;
        // half-day resonance
        double d2201;
        double d2211;
        double d3210;
        double d3222;
        double d4410;
        double d4422;
        double d5220;
        double d5232;
        double d5421;
        double d5433;
        // synchronous resonance
        double del1;
        double del2;
        double del3;
        double xfact;
        double xlamo;
        uint32_t resonance;  // 0 none, 1 half-day, 2 synchronous
    };

    // The resonance integrator's last step, kept between propagations.
    struct IntegratorParams {
        double xli;
        double xni;
        double atime;
    };

    static void RecomputeConstants(double xinc, double& sinio, double& cosio, double& x3thm1, double& x1mth2,
                                   double& x7thm1, double& xlcof, double& aycof);

    static Eci CalculateFinalPositionVelocity(const DateTime& dt, double e, double a, double omega, double xl,
                                              double xnode, double xinc, double xlcof, double aycof,
                                              double x3thm1, double x1mth2, double x7thm1, double cosio,
                                              double sinio);

    void DeepSpaceInitialise(double eosq, double sinio, double cosio, double betao, double theta2,
                             double betao2, double xmdot, double omgdot, double xnodot);

    static void DeepSpaceSecular(double tsince, const OrbitalElements& elements,
                                 const CommonConstants& c_constants, const DeepSpaceConstants& ds_constants,
                                 IntegratorParams& integrator_params, double& xll, double& omgasm,
                                 double& xnodes, double& em, double& xinc, double& xn);

    static void DeepSpacePeriodics(double tsince, const DeepSpaceConstants& ds_constants, double& em,
                                   double& xinc, double& omgasm, double& xnodes, double& xll);

private:
    CommonConstants m_common{};
    NearSpaceConstants m_nearspace{};
    DeepSpaceConstants m_deepspace{};
    mutable IntegratorParams m_integrator{};  // advanced by const propagations
    OrbitalElements m_elements;
    bool m_use_simple_model = false;
    bool m_use_deep_space = false;
};

}  // namespace orbit
