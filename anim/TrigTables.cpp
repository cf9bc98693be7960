// Building the degree tables from one quadrant of sines and cosines, kept
// as data so that every target draws with the same doubles: the maths
// libraries of MinGW and of WebAssembly round some of these differently
// from glibc, and a last-bit difference can move a pixel.
#include "anim/TrigTables.h"

namespace {

constexpr int quadrantSize = 91;

// sin and cos of d * degreeFactor for d = 0..90, exactly as glibc 2.36
// computes them (printed with %a): what the figures have always been
// drawn with on Linux.
constexpr double quadrantSine[quadrantSize] = {
    0x0p+0, 0x1.1df0b2b87ab8cp-6, 0x1.1de58c9f5aad7p-5,
    0x1.acbc748ec7fbap-5, 0x1.1db8f6d6820dep-4, 0x1.64fd6b8bfc59cp-4,
    0x1.ac2609b39118ep-4, 0x1.f32d44c4b9341p-4, 0x1.1d06c968b71e8p-3,
    0x1.4060b67a5e35fp-3, 0x1.63a1a7e08c022p-3, 0x1.86c6ddd736c38p-3,
    0x1.a9cd9ac3f20e3p-3, 0x1.ccb3236ca4d28p-3, 0x1.ef74bf2e0ff69p-3,
    0x1.0907dc19109f4p-2, 0x1.1a40add307243p-2, 0x1.2b637cf819b18p-2,
    0x1.3c6ef372d905fp-2, 0x1.4d61bcffe573ap-2, 0x1.5e3a87487783ap-2,
    0x1.6ef801fcc2306p-2, 0x1.7f98deee2ca76p-2, 0x1.901bd22961878p-2,
    0x1.a07f92103192cp-2, 0x1.b0c2d77347cf6p-2, 0x1.c0e45dabad176p-2,
    0x1.d0e2e2b419183p-2, 0x1.e0bd27420ecap-2, 0x1.f071eedec268ep-2,
    0x1.ffffffffc6ffcp-2, 0x1.07b3120fc0cbp-1, 0x1.0f5193eab00dbp-1,
    0x1.16daed76e915ap-1, 0x1.1e4e884100e56p-1, 0x1.25abcf87a5242p-1,
    0x1.2cf2304735b2ep-1, 0x1.342119453b811p-1, 0x1.3b37fb1bbbba5p-1,
    0x1.42364844666c5p-1, 0x1.491b75239fc4bp-1, 0x1.4fe6f813630b9p-1,
    0x1.5698496dfe804p-1, 0x1.5d2ee398a7433p-1, 0x1.63aa430de4788p-1,
    0x1.6a09e667d0d4ep-1, 0x1.704d4e6a31c5ep-1, 0x1.7673fe0c636e8p-1,
    0x1.7c7d7a8318b07p-1, 0x1.82694b49ee7fbp-1, 0x1.8836fa2cd1c1fp-1,
    0x1.8de6135136fd3p-1, 0x1.9376253f231e9p-1, 0x1.98e6c0ea04a3ep-1,
    0x1.9e3779b95c78ep-1, 0x1.a367e59135d93p-1, 0x1.a8779cda6c903p-1,
    0x1.ad663a8ac0ef9p-1, 0x1.b2335c2cb8dcfp-1, 0x1.b6dea1e74d584p-1,
    0x1.bb67ae8563e1dp-1, 0x1.bfce277d132b6p-1, 0x1.c411b4f6b2825p-1,
    0x1.c83201d3b366cp-1, 0x1.cc2ebbb544c5cp-1, 0x1.d0079302bf541p-1,
    0x1.d3bc3aefda86ap-1, 0x1.d74c6982a9af2p-1, 0x1.dab7d79960c3ep-1,
    0x1.ddfe40efe0602p-1, 0x1.e11f6425088e5p-1, 0x1.e41b02bfd1f14p-1,
    0x1.e6f0e1342ce7cp-1, 0x1.e9a0c6e7a6483p-1, 0x1.ec2a7e35d157ep-1,
    0x1.ee8dd47476a6p-1, 0x1.f0ca99f78777p-1, 0x1.f2e0a214d570ap-1,
    0x1.f4cfc3278e3dcp-1, 0x1.f697d6937ae2fp-1, 0x1.f838b8c802844p-1,
    0x1.f9b24942f05f5p-1, 0x1.fb046a92fcc2cp-1, 0x1.fc2f025a18d02p-1,
    0x1.fd31f94f7cdaap-1, 0x1.fe0d3b417939bp-1, 0x1.fec0b717096abp-1,
    0x1.ff4c5ed129633p-1, 0x1.ffb0278becf7fp-1, 0x1.ffec097f59447p-1,
    0x1p+0,
};
constexpr double quadrantCosine[quadrantSize] = {
    0x1p+0, 0x1.ffec097f5afd8p-1, 0x1.ffb0278bf06ap-1,
    0x1.ff4c5ed12e8dfp-1, 0x1.fec0b717104dcp-1, 0x1.fe0d3b4181d48p-1,
    0x1.fd31f94f872c8p-1, 0x1.fc2f025a24d85p-1, 0x1.fb046a930a804p-1,
    0x1.f9b24942ffd12p-1, 0x1.f838b8c813a92p-1, 0x1.f697d6938db99p-1,
    0x1.f4cfc327a2c4ap-1, 0x1.f2e0a214eba63p-1, 0x1.f0ca99f79f597p-1,
    0x1.ee8dd47490339p-1, 0x1.ec2a7e35ec8e8p-1, 0x1.e9a0c6e7c325cp-1,
    0x1.e6f0e1344b6ap-1, 0x1.e41b02bff215dp-1, 0x1.e11f64252a52bp-1,
    0x1.ddfe40f003c1cp-1, 0x1.dab7d79985bfep-1, 0x1.d74c6982d042bp-1,
    0x1.d3bc3af002aebp-1, 0x1.d0079302e90d8p-1, 0x1.cc2ebbb5700d6p-1,
    0x1.c83201d3e0392p-1, 0x1.c411b4f6e0dcp-1, 0x1.bfce277d4308cp-1,
    0x1.bb67ae85953f1p-1, 0x1.b6dea1e78031ap-1, 0x1.b2335c2ced2e7p-1,
    0x1.ad663a8af6b51p-1, 0x1.a8779cdaa3c59p-1, 0x1.a367e5916e7a2p-1,
    0x1.9e3779b99680ep-1, 0x1.98e6c0ea400e8p-1, 0x1.9376253f5fe72p-1,
    0x1.8de61351751fp-1, 0x1.8836fa2d11382p-1, 0x1.82694b4a2f454p-1,
    0x1.7c7d7a835ac06p-1, 0x1.7673fe0ca6c3bp-1, 0x1.704d4e6a765b1p-1,
    0x1.6a09e66816a4bp-1, 0x1.63aa430e2b7d9p-1, 0x1.5d2ee398ef77dp-1,
    0x1.5698496e47deep-1, 0x1.4fe6f813ad8e8p-1, 0x1.491b7523eb662p-1,
    0x1.42364844b3265p-1, 0x1.3b37fb1c0986fp-1, 0x1.342119458a5a3p-1,
    0x1.2cf2304785926p-1, 0x1.25abcf87f603dp-1, 0x1.1e4e884152beep-1,
    0x1.16daed773be2ap-1, 0x1.0f5193eb03c7cp-1, 0x1.07b31210156b8p-1,
    0x1.0000000039004p-1, 0x1.f071eedf6f1c3p-2, 0x1.e0bd2742bd224p-2,
    0x1.d0e2e2b4c907bp-2, 0x1.c0e45dac5e909p-2, 0x1.b0c2d773fac47p-2,
    0x1.a07f9210e5f58p-2, 0x1.901bd22a174a2p-2, 0x1.7f98deeee3bbbp-2,
    0x1.6ef801fd7a881p-2, 0x1.5e3a874931103p-2, 0x1.4d61bd00a026bp-2,
    0x1.3c6ef37394d11p-2, 0x1.2b637cf8d685fp-2, 0x1.1a40add3c4f3p-2,
    0x1.0907dc19cf59ep-2, 0x1.ef74bf2f8f25cp-3, 0x1.ccb3236e259dcp-3,
    0x1.a9cd9ac57457p-3, 0x1.86c6ddd8ba6c4p-3, 0x1.63a1a7e210ec8p-3,
    0x1.4060b67be4434p-3, 0x1.1d06c96a3e30cp-3, 0x1.f32d44c7c9255p-4,
    0x1.ac2609b6a299ep-4, 0x1.64fd6b8f0f2c5p-4, 0x1.1db8f6d995f59p-4,
    0x1.acbc7494f17a5p-5, 0x1.1de58ca585609p-5, 0x1.1df0b2c4d18dap-6,
    0x1.8aea234c4c663p-35,
};

}  // namespace

void BuildTrigTables(TrigTables& tables)
{
    double* sine = tables.sineTable;
    double* cosine = tables.cosineTable;
    for (int d = 0; d < quadrantSize; ++d) {
        const double s = quadrantSine[d];
        const double c = quadrantCosine[d];
        sine[180 - d] = s;
        sine[d] = s;
        sine[360 - d] = -s;
        sine[180 + d] = -s;
        cosine[360 - d] = c;
        cosine[d] = c;
        cosine[180 - d] = -c;
        cosine[180 + d] = -c;
    }
    cosine[361] = cosine[1];
    sine[361] = sine[1];
}
