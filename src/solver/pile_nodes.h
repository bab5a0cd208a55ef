// Discretisation of the pile into nodes and the nodal properties: depths,
// sections, widths and stiffnesses, layer assignment, distributed loads,
// soil movements and the starting soil moduli.
#pragma once

namespace tarvex {

constexpr double kStartingSoilModulus = 50000.0;  // Es of embedded nodes before the first solution

// Steps of the node set-up of one load case, in the order the driver calls them.
void Place_Nodes(bool lrfd);              // xa, xv, W, q, EI, sections, layers, LRFD loads, soil movement
void Apply_Factored_Loads(int combo);     // q(i) = factored distributed load of LRFD combination combo
void Set_Starting_Soil_Moduli();          // Es = 0 above the ground surface, else 50000
void Make_Layer_Tops_Contiguous();        // XLayerTop(1) = XGround, XLayerTop(k+1) = XLayerBottom(k)

// Pile width, pole width, inertia, area and EI at the axial distance x (into g.nodes.rd_*AtX).
void Pile_Properties_At(double x);
void Assign_Node_Sections(int n);         // i_NodeSection of nodes 1 .. n
void Assign_Nodes_To_Layers(int n);       // top and bottom node of every layer, by vertical depth xv
void Assign_Depths_To_Layers(int n);      // the same by axial distance xa (requested p-y depths)
double Nodal_Distributed_Load(double x);  // tributary average of the distributed load at x
void Build_LRFD_Nodal_Loads();            // rd_LoadTypeNodeLoad and its report blocks
double Factored_Nodal_Load(int i, int combo);
void Nodal_Soil_Movement(int n);          // ys(1 .. n)
// Runtime error 29 when layer k holds no node, lies above the tip, has no
// equivalent depth yet and is not below rock.
void Check_Thin_Layers(int k);

}  // namespace tarvex
